#pragma once
// Operations on osoby.dat. Record 0 is the version record and is never read as a person or
// moved; every operation reads the file as the last write left it, and every change is made
// by io::change_file, so a failure leaves it as it was.
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/persons_file.h"

namespace sidora::data {

// An operation on the persons file that could not be done; the text is Czech.
class PersonsError : public std::runtime_error {
public:
    PersonsError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }
    std::string message() const {
        return "Běhová chyba " + std::to_string(code_) + " (osoby.dat): " + what();
    }

private:
    int code_;
};

class PersonsStore {
public:
    explicit PersonsStore(std::filesystem::path file) : file_(std::move(file)) {}

    // The persons, records 1 to the end, in file order.
    std::vector<TOsoba> read_all() const;
    // The first person from record 1 on whose name equals `name` exactly.
    std::optional<TOsoba> find_person(const std::string& name) const;
    // Appends a person after the last record.
    void append(const TOsoba& person);
    // Writes `person` over the first person named `name`.
    void rewrite(const std::string& name, const TOsoba& person);
    // Deletes the first person named `name`: the last record takes its slot and the file is
    // cut by one record.
    void remove(const std::string& name);

private:
    // Applies `edit` to the checked bytes; the codes name the operation in the errors.
    void change(int read_code, int write_code, const std::function<void(std::string&)>& edit) const;
    std::filesystem::path file_;
};

// Whether a name is guessed to be a woman's: a word ending in "ová" (any case of the
// Latin letters) at the end of the name or just before its first space.
bool is_female_name(const std::string& name);

// What keeps a stored person from being computed: a Czech message naming the bad field
// (zone, house system, date, time, coordinates), or nothing.
std::optional<std::string> person_problem(const TOsoba& person);

}  // namespace sidora::data
