#include "models/natal_window.h"

#include <algorithm>

#include "engine/angles.h"
#include "engine/zones.h"
#include "horoscope/aspects.h"
#include "horoscope/evaluation.h"
#include "horoscope/points.h"
#include "io/cp1250.h"
#include "models/symbols.h"

namespace sidora::models {
namespace {

using horoscope::kNone;
constexpr const char* kDashes = "------";

Rgb rgb(horoscope::Colour c) { return Rgb{c.r, c.g, c.b}; }

void symbol_cell(Cell& c, unsigned char letter) {
    c.text = letter ? std::string(1, static_cast<char>(letter)) : std::string();
    c.symbol = true;
}

bool missing(double lon) { return lon == kNone; }

std::string lon_text(double lon, bool zodiacal) {
    return missing(lon) ? kDashes : engine::format_angle(false, zodiacal, false, lon);
}

void sign_cell(Cell& c, double lon) {
    if (missing(lon)) {
        c.text.assign(1, '/');
        c.symbol = false;
        return;
    }
    symbol_cell(c, static_cast<unsigned char>(sign_letter(horoscope::sign_of(horoscope::normalize(lon)))));
}

std::string house_text(int house) { return house == 0 ? kDashes : std::to_string(house); }

void header(Grid& g, std::initializer_list<const char*> texts) {
    int col = 0;
    for (const char* t : texts) g.text(col++, 0, t);
}

// One row of counts: the greatest (all of the equal greatest) yellow, the others `others`.
template <std::size_t N>
void count_row(Grid& g, int row, const char* label, const std::array<int, N>& counts, const Rgb& others) {
    g.text(0, row, label);
    const int most = *std::max_element(counts.begin(), counts.end());
    for (std::size_t i = 0; i < N; ++i) {
        Cell& c = g.at(static_cast<int>(i) + 1, row);
        c.text = std::to_string(counts[i]);
        c.background = counts[i] == most ? colors::kYellow : others;
    }
}

template <std::size_t N>
std::array<int, N> ints(const std::array<std::uint8_t, N>& a) {
    std::array<int, N> out{};
    std::copy(a.begin(), a.end(), out.begin());
    return out;
}

template <std::size_t N>
void count_table(Grid& g, const std::array<std::uint8_t, N>& by_sign, const std::array<std::uint8_t, N>& by_house,
                 const Rgb& others) {
    const auto s = ints(by_sign), h = ints(by_house);
    std::array<int, N> sum{};
    for (std::size_t i = 0; i < N; ++i) sum[i] = s[i] + h[i];
    count_row(g, 1, "Znamení", s, others);
    count_row(g, 2, "Domy", h, others);
    count_row(g, 3, "Celkem", sum, others);
}

void fill_summary(NatalView& v, const horoscope::NatalChart& ch, bool zodiacal) {
    const auto& t = ch.chart_table;
    const auto& e = ch.evaluation;
    Grid& g = v.summary;
    g.text(1, 0, lon_text(t[horoscope::kSlunce].longitude, zodiacal));
    sign_cell(g.at(2, 0), t[horoscope::kSlunce].longitude);
    g.text(1, 1, lon_text(t[horoscope::kAsc].longitude, zodiacal));
    sign_cell(g.at(2, 1), t[horoscope::kAsc].longitude);
    g.text(1, 2, e.chart_ruler_name);
    symbol_cell(g.at(2, 2), body_letter(e.chart_ruler_body));
    g.text(1, 3, std::to_string(e.total_points));
    v.dominant_traits = e.dominant_traits;

    count_table(v.kvalita, e.kvalita_znameni, e.kvalita_domy, colors::kAqua);
    count_table(v.zivel, e.zivel_znameni, e.zivel_domy, colors::kWhite);
    count_table(v.polarita, e.polarita_znameni, e.polarita_domy, colors::kWhite);
    count_row(v.vychod_zapad, 1, "Počet", ints(e.vychod_zapad), colors::kAqua);
}

constexpr int kPlanetRows[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17};
constexpr const char* kPlanetNames[13] = {"Slunce", "Měsíc",  "Merkur",  "Venuše", "Mars",    "Jupiter", "Saturn",
                                          "Uran",   "Neptun", "Pluto",   "V. uzel", "S. uzel", "Č. luna"};

void fill_planets(Grid& g, const horoscope::NatalChart& ch, bool zodiacal) {
    for (int r = 1; r <= 13; ++r) {
        const int b = kPlanetRows[r - 1];
        const auto& row = ch.chart_table[static_cast<std::size_t>(b)];
        symbol_cell(g.at(0, r), body_letter(b));
        g.text(1, r, kPlanetNames[r - 1]);
        Cell& lon = g.at(2, r);
        lon.text = lon_text(row.longitude, zodiacal);
        lon.hint = missing(row.longitude) ? "" : engine::format_angle(false, false, true, row.longitude);
        sign_cell(g.at(3, r), row.longitude);
        Cell& dir = g.at(4, r);
        symbol_cell(dir, row.retrograde ? static_cast<unsigned char>(kRetrogradeLetter) : 0);
        if (row.retrograde) dir.background = colors::kRed;
        g.text(5, r, engine::format_angle(true, false, false, row.latitude));
        g.text(6, r, engine::format_angle(true, false, false, row.declination));
        g.text(8, r, house_text(row.dum));
        symbol_cell(g.at(9, r), body_letter(ch.dispositors[static_cast<std::size_t>(b)]));
        if (b <= 10) {
            g.text(7, r, engine::format_number(2, row.speed));
            Cell& marks = g.at(10, r);
            marks.text = horoscope::dignity_marks(ch.evaluation.dignities[static_cast<std::size_t>(b)]);
            marks.hint = marks.text;
            g.text(11, r, std::to_string(ch.evaluation.planet_points[static_cast<std::size_t>(b)]));
        }
    }
}

void fill_houses(NatalView& v, const horoscope::NatalChart& ch, bool zodiacal) {
    Grid& g = v.houses;
    const horoscope::HouseRow& h = ch.houses();
    const int system = ch.person.house_system;
    const bool failed = system >= 1 && system <= 4 && missing(h[0]);
    for (int n = 1; n <= 12; ++n) {
        g.text(0, n, std::to_string(n) + ". dům");
        const double cusp = h[static_cast<std::size_t>(n - 1)];
        const horoscope::THouseRuler& ruler = ch.house_rulers[static_cast<std::size_t>(n)];
        if (failed || missing(cusp)) {
            g.text(1, n, kDashes);
            sign_cell(g.at(2, n), kNone);
            g.text(3, n, kDashes);
            g.text(4, n, kDashes);
            continue;
        }
        g.text(1, n, lon_text(cusp, zodiacal));
        sign_cell(g.at(2, n), cusp);
        g.text(3, n, ruler.jmeno);
        std::string in = house_text(ruler.dum_vladce);
        if (ruler.vladce2 != 0) in += "(" + house_text(ruler.dum_vladce2) + ")";
        g.text(4, n, ruler.jmeno.empty() ? "" : in);
    }
    const std::pair<int, int> vertex[2] = {{13, horoscope::kVertex}, {14, horoscope::kAntivertex}};
    for (const auto& [r, b] : vertex) {
        const auto& row = ch.chart_table[static_cast<std::size_t>(b)];
        g.text(1, r, lon_text(row.longitude, zodiacal));
        sign_cell(g.at(2, r), row.longitude);
        g.text(4, r, house_text(row.dum));
    }
    const std::pair<const char*, int> angles[4] = {
        {"ASC", horoscope::kAsc}, {"DSC", horoscope::kDsc}, {"MC", horoscope::kMc}, {"IC", horoscope::kIc}};
    for (int r = 0; r < 4; ++r) {
        const double lon = ch.chart_table[static_cast<std::size_t>(angles[r].second)].longitude;
        v.angles.text(0, r, angles[r].first);
        v.angles.text(1, r, lon_text(lon, zodiacal));
        sign_cell(v.angles.at(2, r), lon);
    }
}

constexpr const char* kAsteroidNames[5] = {"Ceres", "Pallas", "Juno", "Vesta", "Chiron"};

void fill_asteroids(Grid& g, const horoscope::NatalChart& ch, const data::OrbTables& orbs, bool zodiacal) {
    for (int r = 1; r <= 5; ++r) {
        const int b = horoscope::kCeres + r - 1;
        const auto& row = ch.chart_table[static_cast<std::size_t>(b)];
        g.text(0, r, kAsteroidNames[r - 1]);
        if (!ch.asteroid_present[static_cast<std::size_t>(r)]) {
            g.text(1, r, kDashes);
            g.text(6, r, kDashes);
            continue;
        }
        g.text(1, r, lon_text(row.longitude, zodiacal));
        g.at(1, r).hint = engine::format_angle(false, false, true, row.longitude);
        sign_cell(g.at(2, r), row.longitude);
        Cell& dir = g.at(3, r);
        symbol_cell(dir, row.retrograde ? static_cast<unsigned char>(kRetrogradeLetter) : 0);
        if (row.retrograde) dir.background = colors::kRed;
        g.text(4, r, engine::format_angle(true, false, false, row.latitude));
        g.text(5, r, engine::format_angle(true, false, false, row.declination));
        g.text(6, r, house_text(row.dum));
        symbol_cell(g.at(7, r), body_letter(ch.dispositors[static_cast<std::size_t>(b)]));
        const std::size_t q = static_cast<std::size_t>(r - 1);
        g.text(8, r, q < ch.asteroid_quality.size() ? ch.asteroid_quality.substr(q, 1) : "");
        // point_exclusions rows 3..7 are the five asteroids.
        const bool excluded = orbs.point_exclusions[static_cast<std::size_t>(r + 2)] != 0;
        g.text(9, r, excluded ? "" : "Vypiš");
    }
}

void fill_points(Grid& g, const horoscope::NatalChart& ch, bool zodiacal) {
    constexpr int kLeft = 19;
    for (int i = 0; i < horoscope::kSensitivePoints; ++i) {
        const int n = horoscope::sensitive_point_order[static_cast<std::size_t>(i)];
        const int col = i < kLeft ? 0 : 3;
        const int row = (i < kLeft ? i : i - kLeft) + 1;
        const auto& p = ch.sensitive_points[static_cast<std::size_t>(n)];
        g.text(col, row, horoscope::sensitive_point_names[static_cast<std::size_t>(n)]);
        g.text(col + 1, row, lon_text(p.lon, zodiacal));
        g.text(col + 2, row, missing(p.lon) ? kDashes : house_text(p.dum));
    }
}

}  // namespace

const std::string& chart_body_name(int body) {
    static const std::array<std::string, 25> kNames{
        "",        "Slunce",     "Měsíc",  "Merkur", "Venuše",         "Mars",          "Jupiter",
        "Saturn",  "Uran",       "Neptun", "Pluto",  "Vzestupný uzel", "Sestupný uzel", "ASC",
        "DSC",     "MC",         "IC",     "Černá Luna", "Vertex",     "Antivertex",    "Ceres",
        "Pallas",  "Juno",       "Vesta",  "Chiron"};
    return kNames[body >= 1 && body <= 24 ? static_cast<std::size_t>(body) : 0];
}

std::string slider_label(int slider) { return slider <= 0 ? "všechny" : std::to_string(slider) + " °"; }

double slider_limit(int slider) { return slider <= 0 ? 180.0 : slider; }

NatalView::NatalView() {
    summary.text(0, 0, "Slunce:");
    summary.text(0, 1, "Ascendent:");
    summary.text(0, 2, "Vládce horoskopu:");
    summary.text(0, 3, "Počet bodů:");
    header(kvalita, {"Kvalita", "Základní / Hlavní", "Pevná / Následné", "Proměnlivá / Koncové"});
    header(zivel, {"Živel", "Ohnivý", "Zemský", "Vzdušný", "Vodní"});
    header(polarita, {"Polarita", "Kladná / Denní", "Záporná / Noční"});
    header(vychod_zapad, {"Vých./Záp.", "Východ", "Západ"});
    header(planets, {"", "", "Délka", "", "Směr", "Šířka", "Dekl.", "Rychl.", "Dům", "Disp.", "Síla a slabost", "Body"});
    header(houses, {"", "Délka", "", "Vládce", "V domě"});
    houses.text(0, 13, "Vertex");
    houses.text(0, 14, "Antivertex");
    header(asteroids, {"", "Délka", "", "Směr", "Šířka", "Dekl.", "Dům", "Disp.", "Přesnost", "Aspekty"});
    header(points, {"Bod", "Délka", "V domě", "Bod", "Délka", "V domě"});
}

std::vector<std::pair<std::string, const Grid*>> NatalView::grids() const {
    return {{"summary", &summary},     {"kvalita", &kvalita}, {"zivel", &zivel},   {"polarita", &polarita},
            {"vychod_zapad", &vychod_zapad}, {"planets", &planets}, {"houses", &houses}, {"angles", &angles},
            {"aspects", &aspects},     {"asteroids", &asteroids}, {"points", &points}};
}

Grid aspect_grid(const horoscope::NatalChart& ch, const data::AspectDefs& defs, const AspectFilter& filter) {
    Grid g(13, 11);
    static constexpr const char* kNames[10] = {"Slunce", "Měsíc", "Merkur", "Venuše", "Mars",
                                               "Jupiter", "Saturn", "Uran", "Neptun", "Pluto"};
    for (int r = 1; r <= 9; ++r) g.text(0, r, kNames[r]);
    g.text(0, 10, "V.uzel");
    g.text(0, 11, "ASC");
    g.text(0, 12, "MC");
    const double limit = slider_limit(filter.slider);
    for (int c = 1; c <= 10; ++c) {
        g.text(c, c - 1, kNames[c - 1]);
        for (int r = c; r <= 12; ++r) {
            const int other = r <= 10 ? r + 1 : r == 11 ? horoscope::kAsc : horoscope::kMc;
            const horoscope::TAspectCell& a =
                ch.aspect_table[static_cast<std::size_t>(c)][static_cast<std::size_t>(other)];
            const bool major = a.kod >= 1 && a.kod <= 5;
            Cell& cell = g.at(c, r);
            if (a.kod == 0 || !(limit > a.odchylka) || (filter.only_major && !major)) {
                cell.background = kHiddenAspect;
                continue;
            }
            cell.text = defs[a.kod].zkratka + engine::format_angle(false, false, false, a.odchylka);
            cell.background = major ? rgb(horoscope::aspect_colour(a.kod, {255, 255, 255})) : colors::kWhite;
            cell.color = major ? colors::kWhite : colors::kBlack;
        }
    }
    return g;
}

NatalView natal_view(const horoscope::NatalChart& ch, const data::AspectDefs& defs, const data::OrbTables& orbs,
                     bool zodiacal, const AspectFilter& filter) {
    NatalView v;
    v.name = ch.person.name;
    v.date_line = ch.date_line;
    v.place_line = ch.place_line;
    v.house_system = ch.house_system_name;
    v.weekday = ch.weekday;
    v.slider_label = slider_label(filter.slider);
    fill_summary(v, ch, zodiacal);
    fill_planets(v.planets, ch, zodiacal);
    fill_houses(v, ch, zodiacal);
    v.aspects = aspect_grid(ch, defs, filter);
    fill_asteroids(v.asteroids, ch, orbs, zodiacal);
    fill_points(v.points, ch, zodiacal);
    return v;
}

Grid aspect_legend(const data::AspectDefs& defs) {
    Grid g(15, 3);
    header(g, {"Zkratka", "Aspekt", "Úhel"});
    for (int k = 1; k <= 14; ++k) {
        const auto& d = defs[static_cast<std::size_t>(k)];
        g.text(0, k, d.zkratka);
        g.text(1, k, d.name);
        g.text(2, k, std::to_string(d.uhel) + "°");
        if (k <= 5) {
            for (int c = 0; c < 3; ++c) {
                g.at(c, k).background = rgb(horoscope::aspect_colour(k, {255, 255, 255}));
                g.at(c, k).color = colors::kWhite;
            }
        }
    }
    return g;
}

std::array<OptionBox, data::HorSet::kSize> option_boxes(const data::HorSet& stored, const data::OrbTables& orbs) {
    std::array<OptionBox, data::HorSet::kSize> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i].text = data::hor_set_labels[i];
        // Boxes 4..12 are minor_orbs rows 1..9 (codes 6..14).
        if (i >= data::HorSet::kFirstMinor && i <= data::HorSet::kLastMinor) {
            boxes[i].enabled = orbs.minor_orbs[i - data::HorSet::kFirstMinor + 1].nepouzivat == 0;
        }
        boxes[i].checked = boxes[i].enabled && stored.options[i];
    }
    return boxes;
}

data::HorSet hor_set_of(const std::array<OptionBox, data::HorSet::kSize>& boxes) {
    data::HorSet v;
    for (std::size_t i = 0; i < boxes.size(); ++i) v.options[i] = boxes[i].checked;
    return v;
}

void transfer_birth(data::AppState& s, const data::TOsoba& p) {
    s.clock_running = false;
    s.current_moment = {p.day, p.month, static_cast<std::uint16_t>(p.year), p.hour, p.minute, 0};
    s.start.zone_index = p.zone;
    s.current_zone_name = engine::zone_name(p.zone);
    s.start.summer_flag = p.summer;
    // The person's summer hour, not the year's rule, as after the date dialog.
    s.start.auto_summer = 0;
    s.zone_offset = engine::zone_offset_hours(p.zone) + (p.summer ? 1 : 0);
    data::TMisto place;
    place.name = p.place;
    place.lon_deg = p.lon_deg;
    place.lon_min = p.lon_min;
    place.east = p.east;
    place.lat_deg = p.lat_deg;
    place.lat_min = p.lat_min;
    place.north = p.north;
    s.current_place = place;
}

void horoscope_of_now(data::AppState& s, int house_system) {
    data::TOsoba& p = s.person_slots[1];
    const engine::Moment& m = s.current_moment;
    p.day = static_cast<std::uint8_t>(m.day);
    p.month = static_cast<std::uint8_t>(m.month);
    p.year = m.year;
    p.hour = static_cast<std::uint8_t>(m.hour);
    p.minute = static_cast<std::uint8_t>(m.minute);
    p.zone = static_cast<std::uint8_t>(s.start.zone_index);
    p.summer = s.start.auto_summer ? s.engine.summer_time_in_effect(m.year, m.month, m.day, m.hour)
                                   : s.start.summer_flag != 0;
    const data::TMisto& place = s.current_place;
    p.lon_deg = place.lon_deg;
    p.lon_min = place.lon_min;
    p.east = place.east;
    p.lat_deg = place.lat_deg;
    p.lat_min = place.lat_min;
    p.north = place.north;
    p.place = io::utf8_left(place.name, 30);
    p.house_system = static_cast<std::uint8_t>(house_system);
    p.name = kNowName;
}

}  // namespace sidora::models
