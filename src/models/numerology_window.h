#pragma once
// The numerology windows without their widgets: the person, the grid and its cells, the
// interpretation texts written to the texts window, the reading, and the texts' editor.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cycles/numerology.h"
#include "data/app_state.h"
#include "data/persons_store.h"
#include "models/biorhythm_window.h"
#include "models/styled_lines.h"

namespace sidora::models {

inline constexpr const char* kNumeraDir = "numera";

// Everything the window shows of a person and its numbers.
struct NumerologyView {
    std::string name, date, place, time, zone;  // "5.března 1970"; "8:5 hodin, LČ"
    cycles::NumerologyGrid grid;
    std::array<std::string, 10> cells;  // the buttons Num1..Num9: the count, empty for 0
    int weekday = 1;
    std::string weekday_name, weekday_ruler;
    cycles::PlanetaryHour hour;
};
NumerologyView numerology_view(engine::Engine& engine, const data::TOsoba& person);

// A text of the directory `numera` with its heading, appended to `doc`; the message to show
// when it is missing (nothing when `quiet`, except for a missing directory).
std::optional<std::string> add_numerology_text(StyledDocument& doc, const std::filesystem::path& numera,
                                               const std::string& file, const std::string& heading,
                                               bool quiet);

// The files a reading uses, in its order: the vibration text, then the digits 1..9.
std::vector<std::string> reading_files(const cycles::NumerologyGrid& grid, int max_count);
// "&Výklad": the whole reading. Missing texts are skipped; the directory's absence is the
// returned warning.
std::optional<std::string> numerology_reading(StyledDocument& doc, const std::filesystem::path& numera,
                                              const NumerologyView& view, int max_count);

class NumerologyWindow {
public:
    explicit NumerologyWindow(data::AppState& state);

    std::optional<std::string> show();
    const std::vector<PersonItem>& items() const { return items_; }
    // A click in the list: computes for that item's record; the range message when its year
    // cannot be computed.
    std::optional<std::string> click(std::size_t index);
    // The person editor's "&Pouze nastav" or save handed a person over.
    std::optional<std::string> set_person(const data::TOsoba& person);
    const std::optional<NumerologyView>& view() const { return view_; }
    const std::optional<data::TOsoba>& person() const { return person_; }

    std::filesystem::path numera() const { return state_.program_dir / kNumeraDir; }
    // A grid button (1..9) or the vibration digit (0).
    std::optional<std::string> digit_text(StyledDocument& doc, int digit) const;
    // "&Výklad"; "Není vybrána žádná osoba!" without a person.
    std::optional<std::string> reading(StyledDocument& doc) const;

private:
    data::AppState& state_;
    data::PersonsStore store_;
    std::vector<PersonItem> items_;
    std::optional<data::TOsoba> person_;
    std::optional<NumerologyView> view_;
};

// The editor of the interpretation texts (`TFrmNumEdit`).
inline constexpr const char* kAskSavePrevious = "Předchozí výklad není uložen. Chceš jej uložit?";
inline constexpr const char* kAskSaveOnClose = "Výklad není uložen. Chceš jej uložit?";
inline constexpr const char* kAskDelete = "Opravdu chceš navždy vymazat tento výklad?";

class NumEditor {
public:
    NumEditor(std::filesystem::path numera, int max_count);

    // The choices: vibration texts or the grid's, the digit 1..9, and "kolikrát?" 0..M+1
    // (the last item is the text for more than M).
    bool grid = false;
    int digit = 1;
    int count_index = 0;
    std::vector<std::string> count_items() const;
    bool count_enabled() const { return grid; }
    std::string chosen_file() const;

    // "O&K": loads the chosen file (the caller asked kAskSavePrevious first when unsaved()).
    // A missing text opens empty and editable, so that saving creates it.
    std::optional<std::string> load();
    // The user typed.
    void edit(std::string text);
    bool unsaved() const { return loaded_ && text_ != saved_; }
    // "&Ulož": to the file that was loaded. A refusal leaves the file as it was.
    std::optional<std::string> save();
    // "&Smaž", after kAskDelete.
    std::optional<std::string> remove();

    const std::string& text() const { return text_; }
    const std::string& file() const { return file_; }
    bool editable() const { return loaded_; }
    bool save_enabled() const { return unsaved() && !text_.empty(); }
    bool delete_enabled() const { return loaded_ && exists_; }
    bool not_found_visible() const { return loaded_ && !exists_; }

private:
    std::filesystem::path numera_;
    int max_count_;
    bool loaded_ = false, exists_ = false;
    std::string file_, text_, saved_;
};

// Czech refusal when `text` holds a character Windows-1250 cannot store; nothing otherwise.
std::optional<std::string> cp1250_problem(const std::string& text);

}  // namespace sidora::models
