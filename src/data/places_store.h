#pragma once
// Operations on mista.dat. Every operation reads the file as the last write left it; every
// change rewrites the whole file through a temporary file, so a failure leaves it as it was.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/places_file.h"

namespace sidora::data {

// An operation on the places file that could not be done; the text is Czech and names the file.
class PlacesError : public std::runtime_error {
public:
    PlacesError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }
    std::string message() const {
        return "Běhová chyba " + std::to_string(code_) + " (mista.dat): " + what();
    }

private:
    int code_;
};

class PlacesStore {
public:
    explicit PlacesStore(std::filesystem::path file) : file_(std::move(file)) {}

    // Every record in file order.
    std::vector<TMisto> read_all() const;
    // The first record whose name equals `name` exactly (length and bytes).
    std::optional<TMisto> find_place(const std::string& name) const;
    // Appends a record after the last one.
    void append(const TMisto& place);
    // Writes `place` over the first record named `name`.
    void rewrite(const std::string& name, const TMisto& place);
    // Deletes the first record named `name`: the last record takes its slot and the file
    // is cut by one record.
    void remove(const std::string& name);

private:
    void write_all(const std::vector<TMisto>& places, int code) const;
    std::filesystem::path file_;
};

// Names of places sorted as a Czech reader expects (ch after h, č after c ...).
std::vector<std::string> sorted_place_names(const std::vector<TMisto>& places);
// Czech alphabetical order; ties broken by the bytes so the order is total.
bool czech_less(const std::string& a, const std::string& b);

// The value texts of the places window: "50° 5´ severně", "14° 25´ východně".
std::string latitude_text(const TMisto& place);
std::string longitude_text(const TMisto& place);

}  // namespace sidora::data
