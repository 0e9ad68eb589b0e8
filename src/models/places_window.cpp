#include "models/places_window.h"

#include "data/startup.h"

namespace sidora::models {

PlacesWindow::PlacesWindow(data::AppState& state)
    : state_(state), store_(state.program_dir / data::kPlacesFile) {}

std::optional<std::string> PlacesWindow::show() {
    place_chosen_ = false;
    shown_.reset();
    return refill();
}

std::optional<std::string> PlacesWindow::refill() {
    try {
        names_ = data::sorted_place_names(store_.read_all());
        return std::nullopt;
    } catch (const data::PlacesError& e) {
        names_.clear();
        return e.message();
    }
}

std::optional<PlacesWindow::Shown> PlacesWindow::click(const std::string& name) {
    const auto place = store_.find_place(name);
    if (!place) return std::nullopt;
    shown_ = Shown{place->name, data::latitude_text(*place), data::longitude_text(*place)};
    // A record off the globe is shown (so the user can mend it) but never computed for.
    if (!place->damaged) state_.current_place = *place;
    return shown_;
}

std::optional<std::string> PlacesWindow::choose(const std::optional<std::string>& selected) {
    if (!selected) return std::string(kNoPlaceSelected);
    // The record last shown is already current (a click copies it).
    if (!shown_ || shown_->name != *selected) {
        if (!click(*selected)) return "Místo „" + *selected + "“ v seznamu není!";
    }
    if (const auto place = store_.find_place(*selected)) {
        if (auto damaged = data::damaged_place_message(*place)) return damaged;
    }
    place_chosen_ = true;
    return std::nullopt;
}

PlacesWindow::DeleteCheck PlacesWindow::check_delete(const std::optional<std::string>& selected) const {
    if (!selected) return {true, kNoPlaceSelected};
    if (*selected == state_.start.home_place_name) {
        return {true, *selected + " nelze smazat! Je nastaven jako domov."};
    }
    return {false, "Opravdu chceš smazat " + *selected + "?"};
}

void PlacesWindow::delete_place(const std::string& name) {
    store_.remove(name);
    names_ = data::sorted_place_names(store_.read_all());
}

std::optional<std::string> PlacesWindow::check_edit(const std::optional<std::string>& selected) const {
    if (!selected) return std::string(kNoPlaceSelected);
    return std::nullopt;
}

std::vector<std::string> PlacesWindow::close() {
    std::vector<std::string> warnings;
    if (place_chosen_) return warnings;
    try {
        data::load_start_files(state_);
        if (auto w = data::load_home_place(state_)) warnings.push_back(*w);
    } catch (const data::StartupError& e) {
        warnings.push_back(e.message());
    }
    return warnings;
}

}  // namespace sidora::models
