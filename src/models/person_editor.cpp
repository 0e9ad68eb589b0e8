#include "models/person_editor.h"

#include "data/persons_store.h"
#include "data/places_store.h"
#include "engine/time.h"
#include "engine/zones.h"
#include "io/cp1250.h"

namespace sidora::models {
namespace {

bool date_exists(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= engine::days_in_month(month, year);
}

bool coordinates_in_range(const data::TOsoba& p) {
    return p.lat_deg >= 0 && p.lat_deg <= 90 && p.lat_min >= 0 && p.lat_min <= 59 && p.lon_deg >= 0 &&
           p.lon_deg <= 180 && p.lon_min >= 0 && p.lon_min <= 59;
}

data::TMisto place_of(const data::TOsoba& p) {
    return data::TMisto{p.place, p.lon_deg, p.lon_min, static_cast<std::uint8_t>(p.east ? 1 : 0),
                        p.lat_deg, p.lat_min, static_cast<std::uint8_t>(p.north ? 1 : 0)};
}

}  // namespace

PersonEditor::PersonEditor(data::AppState& state) : state_(state) {}

PersonEditor::Shown PersonEditor::show() {
    Shown shown;
    PersonForm& f = shown.form;
    const engine::Moment& now = state_.current_moment;
    f.year = now.year;
    f.month = now.month;
    f.day = now.day;
    const int current_zone = engine::zone_index_of_name(state_.current_zone_name);
    f.zone_name = state_.current_zone_name;
    const bool editing = !state_.edited_person.empty();
    const data::TOsoba& p = slot();
    if (editing) {
        f.name = p.name;
        f.male = p.male != 0;
        // A stored value the pickers cannot show gives way to the current one.
        if (p.year >= engine::year_min && p.year <= engine::year_max && date_exists(p.year, p.month, p.day)) {
            f.year = p.year;
            f.month = p.month;
            f.day = p.day;
        }
        if (p.hour <= 23 && p.minute <= 59) {
            f.hour = p.hour;
            f.minute = p.minute;
        }
        f.house_system = p.house_system >= 1 && p.house_system <= 16 ? p.house_system : state_.astro.current_house_system;
        f.summer = p.summer != 0;
        if (engine::valid_zone_index(p.zone)) f.zone_name = engine::zone_name(p.zone);
    } else {
        f.house_system = state_.astro.current_house_system;
        f.summer = current_zone > 0 && state_.zone_offset != engine::zone_offset_hours(current_zone);
    }
    state_.engine.summer_text.clear();
    state_.engine.summer_time_in_effect(f.year, f.month, f.day, f.hour);
    f.summer_text = state_.engine.summer_text;

    const std::string wanted = editing && !p.place.empty() ? p.place : state_.current_place.name;
    try {
        data::PlacesStore places(state_.program_dir / data::kPlacesFile);
        auto all = places.read_all();
        const auto has = [&all](const std::string& name) {
            for (const auto& m : all) {
                if (m.name == name) return true;
            }
            return false;
        };
        // An edited person's place that the places file lost is put back from the person.
        if (editing && !p.place.empty() && !has(p.place) && coordinates_in_range(p)) {
            places.append(place_of(p));
            all = places.read_all();
        }
        shown.places = data::sorted_place_names(all);
        f.place = has(wanted) ? wanted : shown.places.empty() ? std::string() : shown.places.front();
    } catch (const data::PlacesError& e) {
        shown.warnings.push_back(e.message());
    }
    return shown;
}

void PersonEditor::name_changed(PersonForm& f) {
    if (!f.name.empty()) f.male = !data::is_female_name(f.name);
}

void PersonEditor::follow_summer_rule(PersonForm& f) {
    state_.engine.summer_text.clear();
    f.summer = date_exists(f.year, f.month, f.day) && f.hour >= 0 && f.hour <= 23 &&
               state_.engine.summer_time_in_effect(f.year, f.month, f.day, f.hour);
    f.summer_text = state_.engine.summer_text;
}

std::optional<PersonRefusal> PersonEditor::record_of(const PersonForm& f, data::TOsoba& r) const {
    if (f.name.empty()) return PersonRefusal{kNoName, PersonField::Name};
    // A character the persons file cannot hold would be stored as "?".
    if (io::cp1250_to_utf8(io::utf8_to_cp1250(f.name)) != f.name) {
        return PersonRefusal{"Jméno obsahuje znaky, které nelze uložit!", PersonField::Name};
    }
    if (f.year < engine::year_min || f.year > engine::year_max) {
        return PersonRefusal{"Datum narození mimo povolené rozmezí let " + std::to_string(engine::year_min) + " až " +
                                 std::to_string(engine::year_max) + "!",
                             PersonField::Date};
    }
    if (!date_exists(f.year, f.month, f.day) || f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59) {
        return PersonRefusal{"Datum nebo čas narození neexistuje!", PersonField::Date};
    }
    const int zone = engine::zone_index_of_name(f.zone_name);
    if (zone == 0) return PersonRefusal{"Není zadáno časové pásmo!", PersonField::Zone};
    if (f.place.empty()) return PersonRefusal{"Není zadáno místo narození!", PersonField::Place};
    const auto place = data::PlacesStore(state_.program_dir / data::kPlacesFile).find_place(f.place);
    if (!place) return PersonRefusal{"Místo „" + f.place + "“ v seznamu není!", PersonField::Place};

    r = data::TOsoba{};
    r.name = io::utf8_left(f.name, data::TOsoba::kNameCapacity);
    r.male = f.male ? 1 : 0;
    r.year = f.year;
    r.month = static_cast<std::uint8_t>(f.month);
    r.day = static_cast<std::uint8_t>(f.day);
    r.hour = static_cast<std::uint8_t>(f.hour);
    r.minute = static_cast<std::uint8_t>(f.minute);
    r.summer = f.summer ? 1 : 0;
    r.zone = static_cast<std::uint8_t>(zone);
    r.place = io::utf8_left(f.place, data::TOsoba::kNameCapacity);
    r.lon_deg = place->lon_deg;
    r.lon_min = place->lon_min;
    r.east = place->east ? 1 : 0;
    r.lat_deg = place->lat_deg;
    r.lat_min = place->lat_min;
    r.north = place->north ? 1 : 0;
    r.house_system = static_cast<std::uint8_t>(f.house_system >= 1 && f.house_system <= 16 ? f.house_system : 1);
    return std::nullopt;
}

std::optional<PersonRefusal> PersonEditor::save(const PersonForm& f) {
    try {
        if (f.name.empty()) return PersonRefusal{kNoName, PersonField::Name};
        data::PersonsStore store(state_.program_dir / data::kPersonsFile);
        const bool editing = !state_.edited_person.empty();
        if (!editing) {
            for (const auto& p : store.read_all()) {
                if (p.name == f.name) {
                    return PersonRefusal{"Osoba pod jménem " + f.name + " byla již uložena!", PersonField::Name};
                }
            }
        }
        data::TOsoba r;
        if (auto refusal = record_of(f, r)) return refusal;
        if (editing) {
            store.rewrite(state_.edited_person, r);
        } else {
            store.append(r);
        }
        slot() = r;
    } catch (const data::PersonsError& e) {
        return PersonRefusal{e.message(), PersonField::None};
    } catch (const data::PlacesError& e) {
        return PersonRefusal{e.message(), PersonField::Place};
    }
    return std::nullopt;
}

std::optional<PersonRefusal> PersonEditor::set_only(const PersonForm& f) {
    data::TOsoba r;
    try {
        if (auto refusal = record_of(f, r)) return refusal;
    } catch (const data::PlacesError& e) {
        return PersonRefusal{e.message(), PersonField::Place};
    }
    slot() = r;
    state_.set_without_saving = true;
    return std::nullopt;
}

}  // namespace sidora::models
