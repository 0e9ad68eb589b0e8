#include "models/biorhythm_window.h"

#include <algorithm>

#include "data/places_store.h"
#include "models/person_chooser.h"

namespace sidora::models {

std::vector<PersonItem> sorted_person_items(std::vector<data::TOsoba> persons) {
    std::vector<PersonItem> items;
    items.reserve(persons.size());
    for (auto& p : persons) items.push_back({p.name, std::move(p)});
    std::stable_sort(items.begin(), items.end(),
                     [](const PersonItem& a, const PersonItem& b) { return data::czech_less(a.name, b.name); });
    return items;
}

cycles::CivilDate birth_of(const data::TOsoba& p) { return {p.year, p.month, p.day}; }

BioWindow::BioWindow(data::AppState& state)
    : state_(state), store_(state.program_dir / data::kPersonsFile) {
    const auto& m = state.current_moment;
    start = {m.year, m.month, m.day};
}

std::optional<std::string> BioWindow::show() {
    shown_ = {};
    const auto& m = state_.current_moment;
    start = {m.year, m.month, m.day};
    return refill();
}

std::optional<std::string> BioWindow::refill() {
    try {
        items_ = sorted_person_items(store_.read_all());
    } catch (const data::PersonsError& e) {
        items_.clear();
        return e.message();
    }
    return std::nullopt;
}

std::optional<std::string> BioWindow::click(int list, std::size_t index) {
    if (index >= items_.size()) return std::string(kNoPersonShown);
    state_.person_slots[static_cast<std::size_t>(list)] = items_[index].person;
    return show_slot(list);
}

std::optional<std::string> BioWindow::show_slot(int list) {
    const data::TOsoba& p = person(list);
    auto& shown = shown_[static_cast<std::size_t>(list - 1)];
    if (!cycles::year_in_range(p.year)) {
        shown.reset();
        return cycles::year_range_message();
    }
    shown = Shown{p.name, p.male ? "Muž" : "Žena", birth_date_text(p)};
    return std::nullopt;
}

std::optional<cycles::Comparison> BioWindow::comparison() const {
    if (!shown_[0] || !shown_[1]) return std::nullopt;
    return cycles::compare(birth_of(person(1)), birth_of(person(2)));
}

std::optional<std::string> BioWindow::check_table(int list) const {
    if (!shown(list)) return std::string(kNoPersonShown);
    const data::TOsoba& p = person(list);
    if (cycles::age_days(birth_of(p), start) < 0) return std::string(cycles::kBeforeBirth);
    if (!cycles::year_in_range(p.year)) return cycles::year_range_message();
    return std::nullopt;
}

std::optional<BioTable> bio_table(const data::TOsoba& p, const cycles::CivilDate& start) {
    const auto rows = cycles::bio_rows(birth_of(p), p.male != 0, start);
    if (!rows) return std::nullopt;
    BioTable t;
    t.caption = "Biorytmy: " + p.name;
    t.name = p.name;
    t.birth_text = cycles::dotted_date(birth_of(p));
    t.male = p.male != 0;
    t.rows = *rows;
    const std::array<const char*, 6> heads = {"Datum", "Stáří", "F", "E", "I", "Dítě"};
    for (int c = 0; c < 6; ++c) t.grid.text(c, 0, heads[static_cast<std::size_t>(c)]);
    for (int r = 0; r < cycles::kTableRows; ++r) {
        const cycles::BioRow& row = t.rows[static_cast<std::size_t>(r)];
        t.grid.text(0, r + 1, row.date_text);
        t.grid.text(1, r + 1, std::to_string(row.age));
        for (int c = 0; c < 3; ++c) {
            Cell& cell = t.grid.at(2 + c, r + 1);
            const char mark = row.marks[static_cast<std::size_t>(c)];
            cell.text = std::string(1, mark);
            cell.background = mark == '+' ? colors::kGreen : mark == '!' ? colors::kRed : colors::kSilver;
        }
        Cell& child = t.grid.at(5, r + 1);
        child.text = cycles::child_text(row.child);
        switch (row.child) {
            case cycles::Child::Man: break;
            case cycles::Child::Unsure:
                child.color = colors::kWhite, child.background = colors::kGrey;
                break;
            case cycles::Child::Boy:
            case cycles::Child::BoyLikely:
                child.color = colors::kWhite, child.background = colors::kBlue;
                break;
            case cycles::Child::Girl:
            case cycles::Child::GirlLikely:
                child.color = colors::kBlack, child.background = colors::kMagenta;
                break;
        }
    }
    return t;
}

BioChart bio_chart(const BioTable& t, int width, int height, int selected) {
    BioChart chart;
    chart.width = width;
    chart.height = height;
    chart.lines.push_back({{{0, cycles::kAxisY}, {width, cycles::kAxisY}}, colors::kBlack, 3});
    for (int x : cycles::tick_positions(width))
        chart.lines.push_back({{{x, cycles::kAxisY - 5}, {x, cycles::kAxisY + 5}}, colors::kBlack, 1});
    const std::array<Rgb, 3> colours = {colors::kRed, colors::kGreen, colors::kBlue};
    if (!t.rows.empty()) {
        for (int c = 0; c < 3; ++c)
            chart.lines.push_back({cycles::curve_points(width, c, t.rows.front().positions[static_cast<std::size_t>(c)]),
                                   colours[static_cast<std::size_t>(c)], 3});
    }
    if (selected >= 1 && selected <= static_cast<int>(t.rows.size())) {
        const auto [x1, x2] = cycles::row_segment(width, selected);
        chart.lines.push_back({{{x1, cycles::kAxisY}, {x2, cycles::kAxisY}}, colors::kYellow, 3});
        chart.day_label = t.rows[static_cast<std::size_t>(selected - 1)].date_text;
    }
    return chart;
}

}  // namespace sidora::models
