#include "models/new_place.h"

#include <charconv>

#include "io/cp1250.h"
#include "models/moment_args.h"

namespace sidora::models {
namespace {

// A whole decimal number filling the box; an empty box is none.
std::optional<long> whole_number(const std::string& s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    long v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

data::TMisto record_of(const PlaceForm& f) {
    data::TMisto p;
    p.name = io::utf8_left(f.name, data::TMisto::kNameCapacity);
    p.lat_deg = static_cast<std::int32_t>(*whole_number(f.lat_deg));
    p.lat_min = static_cast<std::int32_t>(*whole_number(f.lat_min));
    p.north = f.north;
    p.lon_deg = static_cast<std::int32_t>(*whole_number(f.lon_deg));
    p.lon_min = static_cast<std::int32_t>(*whole_number(f.lon_min));
    p.east = f.east;
    return p;
}

}  // namespace

PlaceForm form_of(const data::TMisto& p) {
    return PlaceForm{p.name, std::to_string(p.lat_deg), std::to_string(p.lat_min), p.north != 0,
                     std::to_string(p.lon_deg), std::to_string(p.lon_min), p.east != 0};
}

std::optional<std::string> place_name_problem(const std::string& name) {
    if (name.find_first_not_of(" ") == std::string::npos) return "Není zadáno místo!";
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool c1 = c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(name[i + 1]) <= 0x9F;
        if (c < 0x20 || c == 0x7F || c1) return "Název místa nesmí obsahovat řídicí znaky!";
    }
    if (name.front() == ' ' || name.back() == ' ') return "Název místa nesmí začínat ani končit mezerou!";
    // A character the places file cannot hold would be stored as "?".
    if (io::cp1250_to_utf8(io::utf8_to_cp1250(name)) != name) return "Název místa obsahuje znaky, které nelze uložit!";
    return std::nullopt;
}

std::optional<FormError> validate_place_form(const PlaceForm& f) {
    if (auto problem = place_name_problem(f.name)) return FormError{*problem, PlaceField::Name};
    const auto lat_deg = whole_number(f.lat_deg);
    if (!lat_deg) return FormError{"V okénku zeměpisná šířka je hloupost!", PlaceField::LatDeg};
    if (*lat_deg < 0 || *lat_deg > 90) {
        return FormError{"Zeměpisná šířka může nabývat hodnot od 0 do 90°!", PlaceField::LatDeg};
    }
    const auto lat_min = whole_number(f.lat_min);
    if (!lat_min) return FormError{"V okénku zeměpisná šířka je hloupost!", PlaceField::LatMin};
    if (*lat_min < 0 || *lat_min > 59) {
        return FormError{"Minuty je možno zadat v rozmezí od 0 do 59!", PlaceField::LatMin};
    }
    const auto lon_min = whole_number(f.lon_min);
    if (!lon_min) return FormError{"V okénku zeměpisná délka je hloupost!", PlaceField::LonMin};
    if (*lon_min < 0 || *lon_min > 59) {
        return FormError{"Minuty je možno zadat v rozmezí od 0 do 59!", PlaceField::LonMin};
    }
    const auto lon_deg = whole_number(f.lon_deg);
    if (!lon_deg) return FormError{"V okénku zeměpisná délka je hloupost!", PlaceField::LonDeg};
    if (*lon_deg < 0 || *lon_deg > 180) {
        return FormError{"Zeměpisná délka může nabývat hodnot od 0 do 180°!", PlaceField::LonDeg};
    }
    // 90° 30´ would lie beyond the pole, 180° 30´ beyond the date line.
    if (!within_scale(*lat_deg, *lat_min, 90)) {
        return FormError{"Zeměpisná šířka může nabývat hodnot od 0 do 90°!", PlaceField::LatMin};
    }
    if (!within_scale(*lon_deg, *lon_min, 180)) {
        return FormError{"Zeměpisná délka může nabývat hodnot od 0 do 180°!", PlaceField::LonMin};
    }
    return std::nullopt;
}

std::optional<FormError> save_place(data::PlacesStore& store, const std::string& edited_place,
                                    const PlaceForm& form) {
    if (auto error = validate_place_form(form)) return error;
    const data::TMisto record = record_of(form);
    // The store checks the name against the file as it is under its lock, so a place another
    // program added meanwhile counts too.
    try {
        if (edited_place.empty()) store.append(record);
        else store.rewrite(edited_place, record);
    } catch (const data::PlaceNameTaken& e) {
        return FormError{form.name + " byl již dříve uložen!", PlaceField::Name};
    }
    return std::nullopt;
}

}  // namespace sidora::models
