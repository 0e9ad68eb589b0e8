#pragma once
// The biorhythm windows without their widgets: the person lists and comparison of the
// chooser window, and the table, its curves and its printed form.
#include <optional>
#include <string>
#include <vector>

#include "cycles/biorhythm.h"
#include "data/app_state.h"
#include "data/persons_store.h"
#include "models/grid.h"

namespace sidora::models {

// A list item with the record it was read from, so that two persons of one name stay apart.
struct PersonItem {
    std::string name;
    data::TOsoba person;
};
// Every person of the file sorted by name (Czech order); stable for equal names.
std::vector<PersonItem> sorted_person_items(std::vector<data::TOsoba> persons);

cycles::CivilDate birth_of(const data::TOsoba& person);

inline constexpr const char* kNoPersonShown = "Není vybrán žádný člověk!";

class BioWindow {
public:
    explicit BioWindow(data::AppState& state);

    // FormShow: reads the persons into both lists; a Czech message when the file cannot be read.
    std::optional<std::string> show();
    // Rereads the persons after an edit; the persons shown stay.
    std::optional<std::string> refill();
    const std::vector<PersonItem>& items() const { return items_; }

    struct Shown {
        std::string name, sex, born;  // "Muž"/"Žena"; "5.března 1970"
    };
    // A click in list 1 or 2: the item lands in that slot and is shown; the range message
    // when its year cannot be computed (nothing is shown then).
    std::optional<std::string> click(int list, std::size_t index);
    // Shows the slot's person without a click (the editor set it without saving).
    std::optional<std::string> show_slot(int list);
    const std::optional<Shown>& shown(int list) const { return shown_[static_cast<std::size_t>(list - 1)]; }
    // Clears the labels of list 1 or 2 (the person was deleted).
    void forget(int list) { shown_[static_cast<std::size_t>(list - 1)].reset(); }
    // The comparison when both persons are shown.
    std::optional<cycles::Comparison> comparison() const;

    // "Počítej od:", the main window's date on showing.
    cycles::CivilDate start;

    // "Biorytmy &1" / "&2": the refusal, or nothing when the table can be opened.
    std::optional<std::string> check_table(int list) const;
    const data::TOsoba& person(int list) const { return state_.person_slots[static_cast<std::size_t>(list)]; }

private:
    data::AppState& state_;
    data::PersonsStore store_;
    std::vector<PersonItem> items_;
    std::array<std::optional<Shown>, 2> shown_;
};

// The table window `TFrmBioTab`.
struct BioTable {
    std::string caption;     // "Biorytmy: " + name
    std::string name, birth_text;  // birth as "5.3.1970"
    bool male = true;
    std::vector<cycles::BioRow> rows;
    Grid grid{31, 6};        // header row and 30 days
};
// Nothing when the start lies before the birth.
std::optional<BioTable> bio_table(const data::TOsoba& person, const cycles::CivilDate& start);

// The curve chart as a list to paint.
struct ChartLine {
    std::vector<cycles::Point> points;
    Rgb colour;
    int width = 1;
};
struct BioChart {
    int width = 0, height = 0;
    Rgb background = colors::kAqua;
    std::vector<ChartLine> lines;  // in painting order: axis, ticks, F, E, I, selected segment
    std::string day_label;         // the selected row's date
};
// `selected` is the grid row 1..30, or 0 for none.
BioChart bio_chart(const BioTable& table, int width, int height, int selected);

namespace colors {
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kMagenta{255, 0, 255};
}  // namespace colors

}  // namespace sidora::models
