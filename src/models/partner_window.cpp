#include "models/partner_window.h"

#include "engine/angles.h"
#include "horoscope/aspects.h"
#include "models/symbols.h"

namespace sidora::models {
namespace {

using horoscope::kNone;
constexpr const char* kDashes = "---------";

std::size_t at(int i) { return static_cast<std::size_t>(i); }

Rgb rgb(horoscope::Colour c) { return Rgb{c.r, c.g, c.b}; }

void header(Grid& g, int row, std::initializer_list<const char*> texts, int first_col = 0) {
    int col = first_col;
    for (const char* t : texts) g.text(col++, row, t);
}

std::string lon_text(double lon, bool zodiacal) {
    return lon == kNone ? kDashes : engine::format_angle(false, zodiacal, false, lon);
}

void sign_cell(Cell& c, double lon) {
    if (lon == kNone) {
        c.text = "/";
        c.symbol = false;
        return;
    }
    c.text.assign(1, sign_letter(horoscope::sign_of(horoscope::normalize(lon))));
    c.symbol = true;
}

std::string house_text(int house) { return house == 0 ? std::string() : std::to_string(house); }

std::string percent(int v) { return std::to_string(v) + " %"; }

template <std::size_t N>
void count_cells(Grid& g, int row, int first_col, const std::array<std::uint8_t, N>& x,
                 const std::array<std::uint8_t, N>& y) {
    for (std::size_t i = 0; i < N; ++i)
        g.text(first_col + static_cast<int>(i), row, std::to_string(x[i]) + " - " + std::to_string(y[i]));
}

template <std::size_t N>
std::array<std::uint8_t, N> sum(const std::array<std::uint8_t, N>& a, const std::array<std::uint8_t, N>& b) {
    std::array<std::uint8_t, N> s{};
    for (std::size_t i = 0; i < N; ++i) s[i] = static_cast<std::uint8_t>(a[i] + b[i]);
    return s;
}

void agreement_cell(Grid& g, int col, int row, int value) {
    Cell& c = g.at(col, row);
    c.text = percent(value);
    c.bold = true;
    c.background = colors::kYellow;
}

void fill_summary(PartnerView& v, const horoscope::PartnerChart& p) {
    const auto& x = p.first_counts;
    const auto& y = p.second_counts;
    const auto& s = p.shoda;
    count_cells(v.kvalita, 1, 1, x.kvalita_znameni, y.kvalita_znameni);
    count_cells(v.kvalita, 3, 1, x.kvalita_domy, y.kvalita_domy);
    count_cells(v.kvalita, 4, 1, sum(x.kvalita_znameni, x.kvalita_domy), sum(y.kvalita_znameni, y.kvalita_domy));
    agreement_cell(v.kvalita, 4, 1, s.kvalita_sign);
    agreement_cell(v.kvalita, 4, 3, s.kvalita_house);
    agreement_cell(v.kvalita, 4, 4, s.kvalita_total);

    count_cells(v.polarita, 1, 1, x.polarita_znameni, y.polarita_znameni);
    count_cells(v.polarita, 3, 1, x.polarita_domy, y.polarita_domy);
    count_cells(v.polarita, 4, 1, sum(x.polarita_znameni, x.polarita_domy),
                sum(y.polarita_znameni, y.polarita_domy));
    agreement_cell(v.polarita, 3, 1, s.polarita_sign);
    agreement_cell(v.polarita, 3, 3, s.polarita_house);
    agreement_cell(v.polarita, 3, 4, s.polarita_total);

    count_cells(v.zivel, 1, 1, x.zivel_znameni, y.zivel_znameni);
    count_cells(v.zivel, 2, 1, x.zivel_domy, y.zivel_domy);
    count_cells(v.zivel, 3, 1, sum(x.zivel_znameni, x.zivel_domy), sum(y.zivel_znameni, y.zivel_domy));
    agreement_cell(v.zivel, 5, 1, s.zivel_sign);
    agreement_cell(v.zivel, 5, 2, s.zivel_house);
    agreement_cell(v.zivel, 5, 3, s.zivel_total);

    count_cells(v.vychod_zapad, 1, 0, x.vychod_zapad, y.vychod_zapad);
    agreement_cell(v.vychod_zapad, 2, 1, s.vychod_zapad);
    v.celkova_shoda = percent(s.celkova);
}

constexpr int kPlanetRows[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17};

void body_cells(Grid& g, int first_col, int row, const horoscope::PartnerChart& p, int b, bool zodiacal) {
    const double lon = p.second.chart_table[at(b)].longitude;
    Cell& l = g.at(first_col, row);
    l.text = lon_text(lon, zodiacal);
    l.hint = lon == kNone ? "" : engine::format_angle(false, false, true, lon);
    sign_cell(g.at(first_col + 1, row), lon);
    g.text(first_col + 2, row, house_text(p.body_houses[at(b)]));
}

void fill_planets(PartnerView& v, const horoscope::PartnerChart& p, bool zodiacal) {
    for (int r = 1; r <= 13; ++r) {
        const int b = kPlanetRows[r - 1];
        Cell& glyph = v.planets.at(0, r);
        glyph.text.assign(1, static_cast<char>(body_letter(b)));
        glyph.symbol = true;
        v.planets.text(1, r, r == 13 ? "Č. luna" : body_label(b));
        body_cells(v.planets, 2, r, p, b, zodiacal);
    }
    for (int r = 1; r <= 5; ++r) {
        const int b = horoscope::kCeres + r - 1;
        v.asteroids.text(0, r, body_label(b));
        body_cells(v.asteroids, 1, r, p, b, zodiacal);
    }
}

void fill_houses(PartnerView& v, const horoscope::NatalChart& first, const horoscope::PartnerChart& p,
                 bool zodiacal) {
    const bool first_failed = horoscope::houses_failed(first.person.house_system, first.houses());
    const horoscope::HouseRow& cusps = p.second.houses();
    for (int n = 1; n <= 12; ++n) {
        const double c = first_failed ? kNone : cusps[at(n - 1)];
        v.houses.text(1, n, lon_text(c, zodiacal));
        sign_cell(v.houses.at(2, n), c);
        v.houses.text(3, n, first_failed ? "" : house_text(p.cusp_houses[at(n)]));
    }
    body_cells(v.houses, 1, 13, p, horoscope::kVertex, zodiacal);
    body_cells(v.houses, 1, 14, p, horoscope::kAntivertex, zodiacal);
    const int angle_bodies[4] = {horoscope::kAsc, horoscope::kDsc, horoscope::kMc, horoscope::kIc};
    for (int r = 0; r < 4; ++r) body_cells(v.angles, 1, r, p, angle_bodies[r], zodiacal);
}

}  // namespace

double partner_max_orb(int slider) { return slider <= 0 ? 180.0 : slider; }

PartnerView::PartnerView() {
    header(kvalita, 0, {"Znamení:", "Základní", "Pevná", "Proměnlivá", "Shoda"});
    header(kvalita, 2, {"Domy:", "Hlavní", "Následné", "Koncové"});
    kvalita.text(0, 4, "Celkem");
    header(polarita, 0, {"Znamení:", "Kladná", "Záporná", "Shoda"});
    header(polarita, 2, {"Domy:", "Denní", "Noční"});
    polarita.text(0, 4, "Celkem");
    header(zivel, 0, {"Ohnivý", "Zemský", "Vzdušný", "Vodní", "Shoda"}, 1);
    zivel.text(0, 1, "Znamení");
    zivel.text(0, 2, "Domy");
    zivel.text(0, 3, "Celkem");
    header(vychod_zapad, 0, {"Východ", "Západ", "Shoda"});
    header(planets, 0, {"", "", "Délka (os.2)", "", "V domě os. 1"});
    header(asteroids, 0, {"Planetky", "Délka (os.2)", "", "V domě os. 1"});
    header(houses, 0, {"", "Délka (os.2)", "", "V domě os. 1"});
    for (int n = 1; n <= 12; ++n) houses.text(0, n, std::to_string(n) + ". dům");
    houses.text(0, 13, "Vertex");
    houses.text(0, 14, "Antivertex");
    const char* angle_names[4] = {"ASC", "DSC", "MC", "IC"};
    for (int r = 0; r < 4; ++r) angles.text(0, r, angle_names[r]);
}

std::vector<std::pair<std::string, const Grid*>> PartnerView::grids() const {
    return {{"kvalita", &kvalita}, {"polarita", &polarita}, {"zivel", &zivel},   {"vychod_zapad", &vychod_zapad},
            {"planets", &planets}, {"asteroids", &asteroids}, {"houses", &houses}, {"angles", &angles},
            {"aspects", &aspects}};
}

int partner_aspect_column_body(int col) {
    if (col >= 1 && col <= 11) return col;
    if (col == 12) return horoscope::kAsc;
    if (col == 13) return horoscope::kMc;
    return 0;
}

Grid partner_aspect_grid(const horoscope::PartnerChart& p, const data::AspectDefs& defs, const AspectFilter& filter) {
    Grid g(11, 15);
    for (int c = 1; c <= 10; ++c) g.text(c, 0, body_label(c));
    g.text(11, 0, "V.uzel");
    g.text(12, 0, "ASC");
    g.text(13, 0, "MC");
    g.text(14, 0, "Aspekty");
    const double max_orb = partner_max_orb(filter.slider);
    for (int r = 1; r <= 10; ++r) {
        g.text(0, r, body_label(r));
        g.text(14, r, "Vypiš");
        for (int c = 1; c <= 13; ++c) {
            const horoscope::TAspectCell& a = p.aspects[at(r)][at(partner_aspect_column_body(c))];
            const bool major = a.kod >= 1 && a.kod <= 5;
            Cell& cell = g.at(c, r);
            // Orbs up to and including the slider's degrees are shown.
            if (a.kod == 0 || (filter.only_major && !major) || a.odchylka > max_orb) {
                cell.background = kEmptyAspect;
                continue;
            }
            cell.text = defs[a.kod].zkratka + engine::format_angle(false, false, false, a.odchylka);
            cell.background = major ? rgb(horoscope::aspect_colour(a.kod, {255, 255, 255})) : colors::kWhite;
            cell.color = major ? colors::kWhite : colors::kBlack;
        }
    }
    return g;
}

PartnerView partner_view(const horoscope::NatalChart& first, const horoscope::PartnerChart& p,
                         const data::AspectDefs& defs, bool zodiacal, const AspectFilter& filter) {
    PartnerView v;
    v.name1 = first.person.name;
    v.name2 = p.second.person.name;
    v.slider_label = slider_label(filter.slider);
    fill_summary(v, p);
    fill_planets(v, p, zodiacal);
    fill_houses(v, first, p, zodiacal);
    v.aspects = partner_aspect_grid(p, defs, filter);
    return v;
}

bool partner_double_click(PartnerReport& report, const horoscope::PartnerChart& p, PartnerGrid grid, int col,
                          int row) {
    auto in_house = [&](int b) {
        const int h = p.body_houses[at(b)];
        if (h == 0) return false;
        report.show_partner_text(false, {b, 0, 0, 0, 0, 0, h});
        return true;
    };
    switch (grid) {
        case PartnerGrid::Aspects: {
            if (row < 1 || row > 10) return false;
            if (col == 14) {
                report.partner_aspect_list(row);
                return true;
            }
            const int b = partner_aspect_column_body(col);
            if (b == 0) return false;
            const int code = p.aspects[at(row)][at(b)].kod;
            if (code == 0) return false;
            report.show_partner_aspect_texts(false, row, b, code);
            return true;
        }
        case PartnerGrid::Planets:
        case PartnerGrid::Asteroids: {
            const bool planets = grid == PartnerGrid::Planets;
            if (row < 1 || row > (planets ? 13 : 5)) return false;
            const int b = planets ? kPlanetRows[row - 1] : horoscope::kCeres + row - 1;
            const int length_col = planets ? 2 : 1;
            if (col == length_col) {
                report.show_same_body_texts(false, b);
                return true;
            }
            return col == length_col + 2 && in_house(b);
        }
        case PartnerGrid::Houses: {
            if (col != 3) return false;
            if (row >= 1 && row <= 12) {
                const int h = p.cusp_houses[at(row)];
                if (h == 0) return false;
                report.show_partner_text(false, {0, 0, row, 0, 0, 0, h});
                return true;
            }
            if (row == 13) return in_house(horoscope::kVertex);
            if (row == 14) return in_house(horoscope::kAntivertex);
            return false;
        }
        case PartnerGrid::Angles: {
            const int angle_bodies[4] = {horoscope::kAsc, horoscope::kDsc, horoscope::kMc, horoscope::kIc};
            return col == 3 && row >= 0 && row <= 3 && in_house(angle_bodies[row]);
        }
    }
    return false;
}

}  // namespace sidora::models
