#include "models/person_chooser.h"

#include <algorithm>

#include "data/places_store.h"
#include "engine/angles.h"
#include "engine/engine_state.h"
#include "engine/time.h"
#include "engine/zones.h"

namespace sidora::models {

std::string birth_date_text(const data::TOsoba& p) {
    return std::to_string(p.day) + "." + engine::month_name(p.month) + " " + std::to_string(p.year);
}

std::string birth_time_text(const data::TOsoba& p) {
    return std::to_string(p.hour) + ":" + std::to_string(p.minute) + " hodin";
}

std::string birth_place_text(const data::TOsoba& p) {
    return p.place + " (" + std::to_string(p.lat_deg) + "°" + std::to_string(p.lat_min) + "` " +
           (p.north ? "S" : "J") + ", " + std::to_string(p.lon_deg) + "°" + std::to_string(p.lon_min) + "` " +
           (p.east ? "V" : "Z") + ")";
}

std::string summer_text(const data::TOsoba& p) { return p.summer ? "Ano" : "NE"; }

PersonDetails person_details(const data::TOsoba& p) {
    // Names of a zone or system out of range come out empty rather than read past a table.
    return PersonDetails{p.name,
                         p.male ? "Muž" : "Žena",
                         birth_date_text(p),
                         birth_place_text(p),
                         birth_time_text(p),
                         engine::valid_zone_index(p.zone) ? engine::zone_name(p.zone) : std::string(),
                         summer_text(p),
                         engine::house_system_name(p.house_system - 1)};
}

PersonChooser::PersonChooser(data::AppState& state)
    : state_(state), store_(state.program_dir / data::kPersonsFile) {}

std::string PersonChooser::caption() const {
    return state_.person_slot == 1 ? "Výběr osoby pro nativní horoskop" : "Výběr osoby pro partnerský horoskop";
}

std::optional<std::string> PersonChooser::show(int slot) {
    state_.person_slot = slot == 2 ? 2 : 1;
    details_.reset();
    return refill();
}

void PersonChooser::read_names() {
    std::vector<std::string> names;
    for (const auto& p : store_.read_all()) names.push_back(p.name);
    names_ = data::czech_sorted(std::move(names));
}

std::optional<std::string> PersonChooser::refill() {
    try {
        read_names();
    } catch (const data::PersonsError& e) {
        names_.clear();
        return e.message();
    }
    return std::nullopt;
}

void PersonChooser::activate() {
    if (state_.set_without_saving) details_ = person_details(slot());
}

PersonDetails PersonChooser::click(const std::string& name) {
    const auto person = store_.find_person(name);
    if (!person) throw data::PersonsError(26, "osoba „" + name + "“ v souboru není.");
    slot() = *person;
    details_ = person_details(*person);
    return *details_;
}

std::optional<std::string> PersonChooser::check_compute() const {
    const data::TOsoba& p = slot();
    if (p.year < engine::year_min || p.year > engine::year_max) return data::person_problem(p);
    // Nothing shown means nothing chosen; a person without a birth place (made by the
    // biorhythm editor) has no horoscope.
    if (!details_ || p.name.empty() || p.place.empty()) return std::string(kIncomplete);
    return data::person_problem(p);
}

std::optional<std::string> PersonChooser::selection_refusal(const std::optional<std::string>& selected) const {
    if (names_.empty() || !selected) return std::string(kNoPersonSelected);
    if (!details_ || details_->name != *selected) return std::string(kNotFromFile);
    return std::nullopt;
}

std::optional<std::string> PersonChooser::check_edit(const std::optional<std::string>& selected) {
    if (auto refusal = selection_refusal(selected)) return refusal;
    state_.edited_person = *selected;
    state_.editor_caller = data::AppState::EditorCaller::Chooser;
    return std::nullopt;
}

PersonChooser::DeleteCheck PersonChooser::check_delete(const std::optional<std::string>& selected) const {
    if (auto refusal = selection_refusal(selected)) return {true, *refusal};
    return {false, "Opravdu chceš smazat " + *selected + "?"};
}

void PersonChooser::delete_person(const std::string& name) {
    details_.reset();
    store_.remove(name);
    read_names();
}

void PersonChooser::start_new() {
    state_.edited_person.clear();
    state_.editor_caller = data::AppState::EditorCaller::Chooser;
}

void PersonChooser::close() { state_.set_without_saving = false; }

}  // namespace sidora::models
