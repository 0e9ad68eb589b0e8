#pragma once
// The places window without its widgets: the sorted list, the value texts, choosing,
// deleting, and the return to the home place when the window is left without a choice.
#include <optional>
#include <string>
#include <vector>

#include "data/app_state.h"
#include "data/places_store.h"

namespace sidora::models {

class PlacesWindow {
public:
    explicit PlacesWindow(data::AppState& state);

    data::PlacesStore& store() { return store_; }

    // FormShow: clears the place-chosen flag and reads the names. A Czech message when
    // the file cannot be read (the list is then empty).
    std::optional<std::string> show();
    const std::vector<std::string>& names() const { return names_; }
    // Rereads the names after a change of the file.
    std::optional<std::string> refill();

    // The value labels of a place.
    struct Shown {
        std::string name, latitude, longitude;
    };
    // ListBox1Click: shows the place and makes it current at once.
    std::optional<Shown> click(const std::string& name);
    const std::optional<Shown>& shown() const { return shown_; }

    // "N&astav": a refusal, or nothing (the window then closes with the place chosen).
    std::optional<std::string> choose(const std::optional<std::string>& selected);

    // "&Smaž", first step: a refusal (`refused`) or the question to confirm.
    struct DeleteCheck {
        bool refused;
        std::string text;
    };
    DeleteCheck check_delete(const std::optional<std::string>& selected) const;
    // After the user confirmed: deletes and rereads the names.
    void delete_place(const std::string& name);

    // "O&prav": a refusal or nothing (the dialog may open for the selected name).
    std::optional<std::string> check_edit(const std::optional<std::string>& selected) const;

    // FormClose: without "N&astav", back to the stored home settings and the home place.
    // Returns the warnings to show.
    std::vector<std::string> close();

private:
    data::AppState& state_;
    data::PlacesStore store_;
    std::vector<std::string> names_;
    std::optional<Shown> shown_;
    bool place_chosen_ = false;
};

inline constexpr const char* kNoPlaceSelected = "Není vybráno žádné místo!";

}  // namespace sidora::models
