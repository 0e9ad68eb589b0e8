#include "models/partner_report.h"

#include <array>

#include "engine/angles.h"
#include "horoscope/natal.h"
#include "io/cp1250.h"

namespace sidora::models {
namespace fs = std::filesystem;
using horoscope::kNone;
using horoscope::TConstellation;

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

constexpr const char* kDashes = "---------";

std::string deviation_text(double d) { return engine::format_angle(false, false, false, d); }

// The sixteen variants of an aspect lookup: which of z1, d1, z2, d2 each fills.
enum : unsigned { Z1 = 1, D1 = 2, Z2 = 4, D2 = 8 };
constexpr std::array<unsigned, 16> kAspectVariants = {
    0,       Z1,      D1,      Z2,           D2,           Z1 | D1,      Z1 | Z2,      Z1 | D2,
    D1 | Z2, D1 | D2, Z2 | D2, Z1 | D1 | Z2, Z1 | D1 | D2, Z1 | Z2 | D2, D1 | Z2 | D2, Z1 | D1 | Z2 | D2};
constexpr std::array<unsigned, 9> kSameBodyVariants = {Z1 | Z2,      Z1 | D2,      D1 | Z2,      D1 | D2,          Z1 | D1 | Z2,
                                                       Z1 | D1 | D2, Z1 | Z2 | D2, D1 | Z2 | D2, Z1 | D1 | Z2 | D2};

// The bodies after the planets, in the order of the report's lists.
constexpr std::array<int, 8> kPointOrder = {17, 18, 19, 24, 20, 21, 22, 23};

const char* aspect_heading(int b) {
    static const std::array<const char*, 25> headings = {
        "",  "Aspekty Slunce", "Aspekty Měsíce", "Aspekty Merkura", "Aspekty Venuše", "Aspekty Marsu",
        "Jupiterovy aspekty", "Saturnovy aspekty", "Uranovy aspekty", "Neptunovy aspekty", "Aspekty Pluta",
        "", "", "", "", "", "", "", "", "",
        "Aspekty planetky Ceres", "Aspekty planetky Pallas", "Aspekty Juna", "Aspekty Vesty", "Aspekty Chirona"};
    return b >= 1 && b <= 24 ? headings[at(b)] : "";
}

// " (v 5.domě osoby 1)" and its variants; nothing for house 0.
std::string in_first(int house, const char* words) {
    return house == 0 ? std::string() : " (v " + std::to_string(house) + words + ")";
}

}  // namespace

PartnerReport::PartnerReport(const horoscope::NatalChart& first, const horoscope::PartnerChart& partner,
                             fs::path partner_dir, const data::AspectDefs& defs, const data::OrbTables& orbs,
                             bool zodiacal)
    : first_(first), partner_(partner), defs_(defs), orbs_(orbs), zodiacal_(zodiacal),
      texts_(std::move(partner_dir)) {}

std::string PartnerReport::position(double lon) const {
    return lon == kNone ? kDashes : engine::format_angle(false, zodiacal_, false, lon);
}

bool PartnerReport::shown_second(int b) const {
    return partner_.second_present[at(b)] && partner_.second.chart_table[at(b)].longitude != kNone;
}

bool PartnerReport::show_partner_text(bool quiet, const TConstellation& c, int variant) {
    const auto lines = texts_.look_up(horoscope::partner_text_name(c), variant, quiet);
    if (!lines) return false;
    std::string heading;
    auto place = [&](int sign, int house) {
        if (sign) heading += " " + engine::sign_name_locative(sign);
        if (sign && house) heading += " a";
        if (house) heading += " v " + std::to_string(house) + ". domě";
    };
    if (c.p != 0) {
        heading = body_label(c.p);
        place(c.z, c.d);
        heading += " 2. osoby";
        if (c.a != 0) heading += " " + defs_[at(c.a)].name;
        else if (c.q != 0) heading += " a";
        if (c.q != 0 || c.y != 0 || c.e != 0) {
            if (c.q != 0) heading += " " + body_label(c.q);
            place(c.y, c.e);
            heading += " 1. osoby";
        }
        if (c.a != 0 && c.q >= 1 && c.q <= horoscope::kChartBodies)
            heading += " (orbis" + deviation_text(partner_.aspects[at(c.p)][at(c.q)].odchylka) + ")";
    } else {
        heading = std::to_string(c.d) + ". dům 2. osoby v " + std::to_string(c.e) + ". domě 1. osoby";
    }
    if (io::utf8_length(heading) > 255) heading = io::utf8_left(heading, 255);
    doc_.add(LineStyle::Section, heading);
    for (const auto& line : *lines) doc_.add(LineStyle::Body, line);
    doc_.add_empty();
    return true;
}

void PartnerReport::show_partner_aspect_texts(bool quiet, int b2, int b1, int code) {
    const auto& r2 = partner_.second.chart_table[at(b2)];
    const auto& r1 = first_.chart_table[at(b1)];
    const int z1 = r2.znameni, d1 = r2.dum, z2 = r1.znameni, d2 = r1.dum;
    bool any = false;
    for (std::size_t v = 0; v < kAspectVariants.size(); ++v) {
        const unsigned f = kAspectVariants[v];
        // A chart without cusps has no houses: no text naming one.
        if (((f & D1) && d1 == 0) || ((f & D2) && d2 == 0)) continue;
        const TConstellation c{b2, (f & Z1) ? z1 : 0, (f & D1) ? d1 : 0, code, b1, (f & Z2) ? z2 : 0, (f & D2) ? d2 : 0};
        any = show_partner_text(true, c, static_cast<int>(v) + 1) || any;
    }
    if (!quiet && !any) texts_.warn(kNoTextFound);
}

void PartnerReport::show_same_body_texts(bool quiet, int b) {
    const auto& r2 = partner_.second.chart_table[at(b)];
    const auto& r1 = first_.chart_table[at(b)];
    const int z1 = r2.znameni, d1 = r2.dum, z2 = r1.znameni, d2 = r1.dum;
    bool any = false;
    for (std::size_t v = 0; v < kSameBodyVariants.size(); ++v) {
        const unsigned f = kSameBodyVariants[v];
        if (((f & D1) && d1 == 0) || ((f & D2) && d2 == 0)) continue;
        const TConstellation c{b, (f & Z1) ? z1 : 0, (f & D1) ? d1 : 0, 0, b, (f & Z2) ? z2 : 0, (f & D2) ? d2 : 0};
        any = show_partner_text(true, c, static_cast<int>(v) + 1) || any;
    }
    if (!quiet && !any) texts_.warn(kNoTextFound);
}

void PartnerReport::partner_aspect_list(int b) {
    if (aspect_heading(b)[0] == '\0') return;
    doc_.add(LineStyle::Section, std::string(aspect_heading(b)) + " 2. osoby s planetami 1. osoby");
    for (int i = 1; i <= horoscope::kChartBodies; ++i) {
        const auto& cell = partner_.aspects[at(b)][at(i)];
        if (cell.kod == 0) continue;
        doc_.add(LineStyle::Body,
                 defs_[cell.kod].name + " " + body_full_name(i) + ", orbis " + deviation_text(cell.odchylka));
    }
    doc_.add_empty();
}

void PartnerReport::person_header(const char* label, const horoscope::NatalChart& c) {
    StyledLine l = styled_line(LineStyle::Header, label, doc_.base());
    l.colour = colors::kBlue;
    doc_.add(l);
    doc_.add(LineStyle::Header, "Jméno: " + c.person.name);
    doc_.add(LineStyle::Header, "Datum a čas narození: " + horoscope::natal_date_line(c.person));
    doc_.add(LineStyle::Header, "Místo narození: " + c.person.place);
    doc_.add(LineStyle::Header, "Systém domů: " + c.house_system_name);
    doc_.add_empty();
}

void PartnerReport::planet_list(const horoscope::NatalChart& c, bool second) {
    doc_.add(LineStyle::Section, "Poloha planet: " + c.person.name);
    const auto& present = second ? partner_.second_present : partner_.first_present;
    for (int b : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 20, 21, 22, 23, 24}) {
        const auto& row = c.chart_table[at(b)];
        if (b > 12 && (!present[at(b)] || row.longitude == kNone)) continue;
        std::string line = body_label(b) + ": " + position(row.longitude) + (row.retrograde ? " R" : "");
        if (second) line += in_first(partner_.body_houses[at(b)], ".domě osoby 1");
        doc_.add(LineStyle::Body, line);
    }
    doc_.add_empty();
}

void PartnerReport::house_list(const horoscope::NatalChart& c, bool second) {
    doc_.add(LineStyle::Section, "Poloha domů: " + c.person.name);
    // Each person's cusps in their own system: the values that are placed.
    const horoscope::HouseRow& h = c.houses();
    const auto& cusp_in = partner_.cusp_houses;
    auto line = [&](std::string text, int house, const char* words) {
        if (second) text += in_first(house, words);
        doc_.add(LineStyle::Body, text);
    };
    for (int n = 1; n <= 12; ++n)
        line(std::to_string(n) + ".dům: " + position(h[at(n - 1)]), cusp_in[at(n)], ". domě osoby 1");
    line(body_label(13) + ": " + position(h[12]), cusp_in[13], ". domě osoby 1");
    line(body_label(15) + ": " + position(h[13]), cusp_in[14], ". domě osoby 1");
    if (orbs_.point_exclusions[2] == 0) {
        for (int b : {18, 19})
            line(body_label(b) + ": " + position(c.chart_table[at(b)].longitude), partner_.body_houses[at(b)],
                 ". domě osoby 1");
    }
    doc_.add_empty();
}

void PartnerReport::build(const data::PartnerReportFlags& f) {
    texts_.new_report();
    doc_.add(LineStyle::Title, "PARTNERSKÝ HOROSKOP");
    doc_.add_empty();
    person_header("1. osoba:", first_);
    person_header("2. osoba:", partner_.second);
    if (f[0]) {
        planet_list(first_, false);
        planet_list(partner_.second, true);
    }
    if (f[1]) {
        house_list(first_, false);
        house_list(partner_.second, true);
    }
    if (f[2]) {
        for (int b = 1; b <= 10; ++b) partner_aspect_list(b);
        for (int b : {24, 20, 21, 22, 23})
            if (shown_second(b)) partner_aspect_list(b);
    }
    if (f[3]) {
        StyledLine l = styled_line(LineStyle::Header, "Následující text je určen 1. osobě:", doc_.base());
        l.colour = colors::kRed;
        l.size = doc_.base() + 3;
        doc_.add(l);
        doc_.add_empty();
        // House 0 (no cusps on either side) names no house: nothing to look up.
        for (int n = 1; n <= 12; ++n)
            if (partner_.cusp_houses[at(n)] != 0)
                show_partner_text(true, {0, 0, n, 0, 0, 0, partner_.cusp_houses[at(n)]});
        std::vector<int> bodies;
        for (int b = 1; b <= 16; ++b) bodies.push_back(b);
        for (int b : kPointOrder)
            if (shown_second(b)) bodies.push_back(b);
        for (int b : bodies)
            if (partner_.body_houses[at(b)] != 0) show_partner_text(true, {b, 0, 0, 0, 0, 0, partner_.body_houses[at(b)]});
        for (int b = 1; b <= 12; ++b) show_same_body_texts(true, b);
        for (int b : kPointOrder)
            if (shown_second(b) && partner_.first_present[at(b)]) show_same_body_texts(true, b);
        auto aspect_texts = [&](int b) {
            for (int i = 1; i <= horoscope::kChartBodies; ++i) {
                const int code = partner_.aspects[at(b)][at(i)].kod;
                if (code != 0) show_partner_aspect_texts(true, b, i, code);
            }
        };
        for (int b = 1; b <= 10; ++b) aspect_texts(b);
        for (int b : kPointOrder)
            if (shown_second(b)) aspect_texts(b);
    }
    doc_.add(LineStyle::End, "KONEC.");
}

}  // namespace sidora::models
