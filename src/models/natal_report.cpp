#include "models/natal_report.h"

#include <array>

#include "engine/angles.h"
#include "horoscope/aspects.h"
#include "horoscope/natal.h"
#include "horoscope/points.h"
#include "io/cp1250.h"

namespace sidora::models {
namespace fs = std::filesystem;
using horoscope::kNone;
using horoscope::TConstellation;

namespace {

const std::array<std::string, 25> kLabels = {
    "",      "Slunce", "Měsíc",      "Merkur", "Venuše", "Mars",   "Jupiter",    "Saturn", "Uran",
    "Neptun", "Pluto",  "Vzest. uzel", "Sest. uzel", "ASC", "DSC", "MC", "IC", "Černá Luna",
    "Vertex", "Antivertex", "Ceres", "Pallas", "Juno", "Vesta", "Chiron"};

const std::array<std::string, 25> kFullNames = [] {
    auto n = kLabels;
    n[11] = "Vzestupný uzel", n[12] = "Sestupný uzel", n[13] = "Ascendent", n[14] = "Descendent";
    n[15] = "Medium Coeli", n[16] = "Immum Coeli";
    return n;
}();

const std::string& pick(const std::array<std::string, 25>& names, int i) {
    static const std::string empty;
    return i >= 1 && i <= 24 ? names[static_cast<std::size_t>(i)] : empty;
}

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Which of z1, d1, z2, d2 each of the sixteen variants fills.
enum : unsigned { Z1 = 1, D1 = 2, Z2 = 4, D2 = 8 };
constexpr std::array<unsigned, 16> kVariants = {
    0,       Z1,           D1,           Z2,           D2,           Z1 | D1,      Z1 | Z2, Z1 | D2,
    D1 | Z2, D1 | D2,      Z2 | D2,      Z1 | D1 | Z2, Z1 | D1 | D2, Z1 | Z2 | D2, D1 | Z2 | D2, Z1 | D1 | Z2 | D2};

// The texts of a house cusp in a sign exist only for these houses.
constexpr std::array<int, 8> kCuspTextHouses = {2, 3, 5, 6, 8, 9, 11, 12};

std::string deviation_text(double d) { return engine::format_angle(false, false, false, d); }

}  // namespace

const std::string& body_label(int body) { return pick(kLabels, body); }
const std::string& body_full_name(int body) { return pick(kFullNames, body); }

NatalReport::NatalReport(const horoscope::NatalChart& chart, fs::path texty, const data::AspectDefs& defs,
                         const data::OrbTables& orbs, bool zodiacal)
    : chart_(chart), defs_(defs), orbs_(orbs), zodiacal_(zodiacal), texts_(std::move(texty)) {}

bool NatalReport::shown(int b) const {
    return horoscope::present_bodies(orbs_, chart_.asteroid_present)[at(b)] &&
           chart_.chart_table[at(b)].longitude != kNone;
}

std::string NatalReport::position(double lon) const {
    // An uncomputable value is dashes, as the natal window shows it.
    if (lon == kNone) return "------";
    return engine::format_angle(false, zodiacal_, false, lon);
}

void NatalReport::header() {
    doc_.add(LineStyle::Title, "HOROSKOP");
    doc_.add_empty();
    const auto& p = chart_.person;
    doc_.add(LineStyle::Header, "Jméno: " + p.name);
    doc_.add(LineStyle::Header,
             "Datum a čas narození: " + horoscope::natal_date_line(p) + ", " + chart_.weekday);
    doc_.add(LineStyle::Header, "Místo narození: " + p.place);
    doc_.add(LineStyle::Header, "Systém domů: " + chart_.house_system_name);
    doc_.add_empty();
}

void NatalReport::end() { doc_.add(LineStyle::End, "KONEC."); }

bool NatalReport::show_text(bool quiet, const TConstellation& c, int variant, std::optional<double> deviation) {
    const auto lines = texts_.look_up(horoscope::natal_text_name(c), variant, quiet);
    if (!lines) return false;
    std::string heading;
    auto place = [&](int body, int sign, int house) {
        heading += body_label(body);
        if (sign) heading += " " + engine::sign_name_locative(sign);
        if (sign && house) heading += " a";
        if (house) heading += " v " + std::to_string(house) + ". domě";
    };
    if (c.p != 0) {
        place(c.p, c.z, c.d);
        if (c.a != 0) {
            heading += " " + defs_[at(c.a)].name + " ";
            place(c.q, c.y, c.e);
            heading += " (orbis" + deviation_text(deviation.value_or(0)) + ")";
        }
    } else {
        heading = std::to_string(c.d) + ". dům " + engine::sign_name_locative(c.z);
    }
    if (io::utf8_length(heading) > 255) heading = io::utf8_left(heading, 255);
    doc_.add(LineStyle::Section, heading);
    for (const auto& line : *lines) doc_.add(LineStyle::Body, line);
    doc_.add_empty();
    return true;
}

void NatalReport::show_aspect_texts(bool quiet, int b1, int b2, int code, double deviation) {
    const auto& r1 = chart_.chart_table[at(b1)];
    const auto& r2 = chart_.chart_table[at(b2)];
    const int z1 = r1.znameni, d1 = r1.dum, z2 = r2.znameni, d2 = r2.dum;
    bool any = false;
    for (std::size_t v = 0; v < kVariants.size(); ++v) {
        const unsigned f = kVariants[v];
        // Without cusps a body has no house: no text naming one.
        if (((f & D1) && d1 == 0) || ((f & D2) && d2 == 0)) continue;
        TConstellation c{b1, (f & Z1) ? z1 : 0, (f & D1) ? d1 : 0, code, b2, (f & Z2) ? z2 : 0, (f & D2) ? d2 : 0};
        // The editor names a pair smaller body first; the report must find what it saved.
        c = horoscope::ordered_pair(c);
        any = show_text(true, c, static_cast<int>(v) + 1, deviation) || any;
    }
    if (!quiet && !any) texts_.warn(kNoTextFound);
}

void NatalReport::body_texts(int b, const data::ReportFlags& f) {
    const auto& row = chart_.chart_table[at(b)];
    const int s = row.znameni, h = row.dum;
    if (f[6] && h != 0) show_text(true, {b, 0, h, 0, 0, 0, 0});
    if (f[5]) show_text(true, {b, s, 0, 0, 0, 0, 0});
    if (f[5] && f[6] && h != 0) show_text(true, {b, s, h, 0, 0, 0, 0});
}

void NatalReport::aspect_list(int b) {
    static const std::array<const char*, 25> headings = {
        "",  "Aspekty Slunce", "Aspekty Měsíce", "Aspekty Merkura", "Aspekty Venuše", "Aspekty Marsu",
        "Jupiterovy aspekty", "Saturnovy aspekty", "Uranovy aspekty", "Neptunovy aspekty", "Aspekty Pluta",
        "", "", "", "", "", "", "", "", "",
        "Aspekty planetky Ceres", "Aspekty planetky Pallas", "Aspekty Juna", "Aspekty Vesty", "Aspekty Chirona"};
    if (b < 1 || b > 24 || headings[at(b)][0] == '\0') return;
    doc_.add(LineStyle::Section, headings[at(b)]);
    for (int i = 1; i <= 24; ++i) {
        const auto& cell = chart_.aspect_table[at(b)][at(i)];
        if (i == b || cell.kod == 0 || !shown(i)) continue;
        doc_.add(LineStyle::Body, defs_[cell.kod].name + " " + body_full_name(i) + ", orbis " + deviation_text(cell.odchylka));
    }
    doc_.add_empty();
    if (orbs_.minor_orbs[10].nepouzivat == 0) {
        doc_.add(LineStyle::Subheading, "Paralely a kontraparalely");
        for (const auto* table : {&chart_.lat_parallel_table, &chart_.decl_parallel_table}) {
            for (int i = 1; i <= 24; ++i) {
                if (i == b || (i > 10 && i < 20)) continue;
                const auto& cell = (*table)[at(b)][at(i)];
                if (cell.kod == 0 || !shown(i)) continue;
                doc_.add(LineStyle::Body,
                         defs_[cell.kod].name + " " + body_full_name(i) + ", orbis: " + deviation_text(cell.odchylka));
            }
        }
        doc_.add_empty();
    }
    if (orbs_.minor_orbs[11].nepouzivat == 0) {
        doc_.add(LineStyle::Subheading, "Aspekty s citlivými body");
        for (int p = 1; p <= horoscope::kSensitivePoints; ++p) {
            const auto& cell = chart_.point_aspect_table[at(b)][at(p)];
            if (cell.kod == 0) continue;
            doc_.add(LineStyle::Body, defs_[cell.kod].name + " bod " + horoscope::sensitive_point_names[at(p)] +
                                          ", orbis: " + deviation_text(cell.odchylka));
        }
        doc_.add_empty();
    }
    if (orbs_.minor_orbs[12].nepouzivat == 0) {
        doc_.add(LineStyle::Subheading, "Konjunkce se stálicemi");
        for (int s = 1; s <= horoscope::kFixedStars; ++s) {
            const double dist = chart_.star_conjunction_table[at(b)][at(s)];
            if (dist == -1) continue;
            doc_.add(LineStyle::Body, chart_.fixed_stars[at(s)].name + ", orbis: " + deviation_text(dist));
        }
        doc_.add_empty();
    }
}

void NatalReport::build(const data::ReportFlags& f) {
    texts_.new_report();
    header();
    const auto& t = chart_.chart_table;
    const auto& houses = chart_.houses();
    if (f[0]) {
        doc_.add(LineStyle::Section, "Poloha planet");
        for (int b : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 20, 21, 22, 23, 24}) {
            if (b > 12 && !shown(b)) continue;
            doc_.add(LineStyle::Body, body_label(b) + ": " + position(t[at(b)].longitude) + (t[at(b)].retrograde ? " R" : ""));
        }
        doc_.add_empty();
    }
    if (f[1]) {
        doc_.add(LineStyle::Section, "Poloha domů");
        for (int n = 1; n <= 12; ++n) doc_.add(LineStyle::Body, std::to_string(n) + ".dům: " + position(houses[at(n - 1)]));
        doc_.add(LineStyle::Body, body_label(13) + ": " + position(houses[12]));
        doc_.add(LineStyle::Body, body_label(15) + ": " + position(houses[13]));
        if (orbs_.point_exclusions[2] == 0) {
            doc_.add(LineStyle::Body, body_label(18) + ": " + position(t[18].longitude));
            doc_.add(LineStyle::Body, body_label(19) + ": " + position(t[19].longitude));
        }
        doc_.add_empty();
    }
    if (f[2]) {
        doc_.add(LineStyle::Section, "Poloha citlivých bodů");
        for (int p = 1; p <= horoscope::kSensitivePoints; ++p)
            doc_.add(LineStyle::Body, std::string("Bod ") + horoscope::sensitive_point_names[at(p)] + ": " +
                                          position(chart_.sensitive_points[at(p)].lon));
        doc_.add_empty();
    }
    if (f[3]) {
        doc_.add(LineStyle::Section, "Poloha stálic");
        for (int s = 1; s <= horoscope::kFixedStars; ++s)
            doc_.add(LineStyle::Body, chart_.fixed_stars[at(s)].name + ": " + position(chart_.fixed_stars[at(s)].lon));
        doc_.add_empty();
    }
    if (f[4]) {
        for (int b = 1; b <= 10; ++b) aspect_list(b);
        for (int b : {24, 20, 21, 22, 23})
            if (shown(b)) aspect_list(b);
    }
    if (f[7]) {
        doc_.add(LineStyle::Section, "Dominantní rysy");
        for (const auto& line : horoscope::text_lines(chart_.evaluation.dominant_traits)) doc_.add(LineStyle::Body, line);
        doc_.add_empty();
    }

    auto aspects = [&](int b, int k, const horoscope::AspectTable& table) {
        const auto& cell = table[at(b)][at(k)];
        if (cell.kod != 0 && shown(k)) show_aspect_texts(true, b, k, cell.kod, cell.odchylka);
    };

    body_texts(1, f);
    if (f[8]) {
        for (int k = 2; k <= 24; ++k) aspects(1, k, chart_.aspect_table);
        for (const auto* table : {&chart_.lat_parallel_table, &chart_.decl_parallel_table})
            for (int k = 2; k <= 24; ++k)
                if (k <= 10 || k >= 20) aspects(1, k, *table);
    }
    if (f[6])
        for (int b : {13, 15, 14, 16})
            if (t[at(b)].longitude != kNone) show_text(true, {b, t[at(b)].znameni, 0, 0, 0, 0, 0});
    if (f[9])
        for (int h : kCuspTextHouses) {
            const double cusp = houses[at(h - 1)];
            if (cusp != kNone) show_text(true, {0, static_cast<int>(cusp / 30) % 12 + 1, h, 0, 0, 0, 0});
        }
    for (int b = 2; b <= 12; ++b) {
        body_texts(b, f);
        if (!f[8]) continue;
        if (b <= 10)
            for (int k = b + 1; k <= 16; ++k) aspects(b, k, chart_.aspect_table);
        if (b <= 9)
            for (const auto* table : {&chart_.lat_parallel_table, &chart_.decl_parallel_table})
                for (int k = b + 1; k <= 10; ++k) aspects(b, k, *table);
    }
    for (int b = 17; b <= 24; ++b) {
        if (!shown(b)) continue;
        body_texts(b, f);
        if (!f[8] || b < 20) continue;
        // An asteroid pair is looked up once, from the row of the smaller number.
        auto wanted = [&](int k) { return k != b && shown(k) && !(k >= 20 && k < b); };
        for (int k = 11; k <= 24; ++k)
            if (wanted(k)) aspects(b, k, chart_.aspect_table);
        for (const auto* table : {&chart_.lat_parallel_table, &chart_.decl_parallel_table})
            for (int k = 20; k <= 24; ++k)
                if (wanted(k)) aspects(b, k, *table);
    }
    end();
}

}  // namespace sidora::models
