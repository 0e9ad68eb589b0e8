#pragma once
// Operations on mista.dat. Every operation reads the file as the last write left it; every
// change is made under the file's lock on the file as it is then, so a change made by another
// program meanwhile is kept; the records it does not touch keep their bytes.
#include <filesystem>
#include <functional>
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
    // A text that is a whole message already (it names the file itself).
    static PlacesError whole(int code, const std::string& text) {
        PlacesError e(code, text);
        e.whole_ = true;
        return e;
    }
    int code() const { return code_; }
    std::string message() const {
        if (whole_) return what();
        return "Běhová chyba " + std::to_string(code_) + " (mista.dat): " + what();
    }

private:
    int code_;
    bool whole_ = false;
};

// A new or renamed place would take the name of another record.
class PlaceNameTaken : public PlacesError {
public:
    explicit PlaceNameTaken(const std::string& name)
        : PlacesError(PlacesError::whole(96, name + " byl již dříve uložen!")), name_(name) {}
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

class PlacesStore {
public:
    explicit PlacesStore(std::filesystem::path file) : file_(std::move(file)) {}

    // Every record in file order.
    std::vector<TMisto> read_all() const;
    // The first record whose name equals `name` exactly (length and bytes).
    std::optional<TMisto> find_place(const std::string& name) const;
    // Appends a record after the last one; throws PlaceNameTaken when the name is in the file.
    void append(const TMisto& place);
    // Writes `place` over the first record named `name`; throws PlaceNameTaken when `place`
    // would take the name of another record.
    void rewrite(const std::string& name, const TMisto& place);
    // Deletes the first record named `name`: the last record takes its slot and the file
    // is cut by one record.
    void remove(const std::string& name);

private:
    // Applies `edit` to the current, validated file image under the lock; `code` numbers
    // the failure of the write.
    void change(int code, const std::function<void(std::string& bytes, const std::vector<TMisto>& places)>& edit);
    std::filesystem::path file_;
};

// Names of places sorted as a Czech reader expects (ch after h, č after c ...).
std::vector<std::string> sorted_place_names(const std::vector<TMisto>& places);
// The same order for any list of names (persons too), each collation key built once.
std::vector<std::string> czech_sorted(std::vector<std::string> names);
// Czech alphabetical order; ties broken by the bytes so the order is total.
bool czech_less(const std::string& a, const std::string& b);

// The value texts of the places window: "50° 5´ severně", "14° 25´ východně".
std::string latitude_text(const TMisto& place);
std::string longitude_text(const TMisto& place);

}  // namespace sidora::data
