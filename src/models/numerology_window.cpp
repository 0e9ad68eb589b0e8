#include "models/numerology_window.h"

#include <sys/stat.h>

#include "engine/angles.h"
#include "engine/time.h"
#include "engine/zones.h"
#include "io/cp1250.h"
#include "io/files.h"
#include "models/person_chooser.h"

namespace sidora::models {
namespace fs = std::filesystem;

namespace {

// The file's lines in UTF-8, without their CR LF.
std::vector<std::string> text_lines(const std::string& bytes) {
    const std::string text = io::cp1250_to_utf8(bytes);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

NumerologyView numerology_view(engine::Engine& engine, const data::TOsoba& p) {
    NumerologyView v;
    v.name = p.name;
    v.date = birth_date_text(p);
    v.place = p.place;
    v.time = birth_time_text(p) + (p.summer ? ", LČ" : "");
    v.zone = engine::valid_zone_index(p.zone) ? engine::zone_name(p.zone) : std::string();
    v.grid = cycles::numerology_grid(p.day, p.month, p.year);
    for (std::size_t d = 1; d <= 9; ++d) v.cells[d] = v.grid.counts[d] ? std::to_string(v.grid.counts[d]) : "";
    v.weekday = engine::day_of_week(p.day, p.month, p.year);
    v.weekday_name = engine::weekday_name(v.weekday);
    v.weekday_ruler = cycles::day_ruler(v.weekday);
    v.hour = cycles::planetary_hour(engine, p);
    return v;
}

std::optional<std::string> add_numerology_text(StyledDocument& doc, const fs::path& numera, const std::string& file,
                                               const std::string& heading, bool quiet) {
    std::error_code ec;
    if (!fs::is_directory(numera, ec)) return std::string(kDirectoryNotFound);
    const auto bytes = io::read_file(numera / file);
    if (!bytes) {
        if (quiet) return std::nullopt;
        return std::string(kTextNotFound);
    }
    doc.add(LineStyle::Section, heading);
    for (auto& line : text_lines(*bytes)) doc.add(LineStyle::Body, std::move(line));
    doc.add_empty();
    return std::nullopt;
}

std::vector<std::string> reading_files(const cycles::NumerologyGrid& g, int max_count) {
    std::vector<std::string> files{cycles::vibration_file(g.vibration)};
    for (int d = 1; d <= 9; ++d) files.push_back(cycles::digit_file(d, g.counts[static_cast<std::size_t>(d)], max_count));
    return files;
}

std::optional<std::string> numerology_reading(StyledDocument& doc, const fs::path& numera, const NumerologyView& v,
                                              int max_count) {
    doc.add(LineStyle::Title, "Numerologický výklad");
    doc.add_empty();
    doc.add(LineStyle::Header, "Jméno: " + v.name);
    doc.add(LineStyle::Header, "Datum narození: " + v.date);
    doc.add_empty();
    // One warning for a missing directory, however many texts it would have held.
    std::optional<std::string> warning =
        add_numerology_text(doc, numera, cycles::vibration_file(v.grid.vibration),
                            cycles::vibration_heading(v.grid.vibration), true);
    const auto& lines = v.grid.lines;  // childhood, middle, old, spiritual, psychic, physical, …
    const auto value = [&](std::size_t i) { return std::to_string(lines[i].value); };
    doc.add(LineStyle::Section, "Vyspělost v jednotlivých úrovních");
    doc.add(LineStyle::Note, "(Minimální hodnota=0, maximální hodnota=9)");
    doc.add(LineStyle::Body, "Duchovní úroveň: " + value(3));
    doc.add(LineStyle::Body, "Psychická úroveň: " + value(4));
    doc.add(LineStyle::Body, "Fyzická úroveň: " + value(5));
    doc.add(LineStyle::Section, "Úroveň v jednotlivých částech života");
    doc.add(LineStyle::Note, "(Minimální hodnota=0, maximální hodnota=9)");
    doc.add(LineStyle::Body, "Dětství a mládí (0 až 25 let): " + value(0));
    doc.add(LineStyle::Body, "Střední věk (25 až 50 let): " + value(1));
    doc.add(LineStyle::Body, "Vyšší věk (nad 50 let): " + value(2));
    doc.add_empty();
    for (int d = 1; d <= 9; ++d) {
        const int n = v.grid.counts[static_cast<std::size_t>(d)];
        add_numerology_text(doc, numera, cycles::digit_file(d, n, max_count), cycles::digit_heading(d, n), true);
    }
    doc.add(LineStyle::End, "KONEC.");
    return warning;
}

NumerologyWindow::NumerologyWindow(data::AppState& state)
    : state_(state), store_(state.program_dir / data::kPersonsFile) {}

std::optional<std::string> NumerologyWindow::show() {
    person_.reset();
    view_.reset();
    try {
        items_ = sorted_person_items(store_.read_all());
    } catch (const data::PersonsError& e) {
        items_.clear();
        return e.message();
    }
    return std::nullopt;
}

std::optional<std::string> NumerologyWindow::click(std::size_t index) {
    if (index >= items_.size()) return std::string(kNoPersonSelected);
    return set_person(items_[index].person);
}

std::optional<std::string> NumerologyWindow::set_person(const data::TOsoba& p) {
    person_ = p;
    view_.reset();
    if (!cycles::year_in_range(p.year)) return cycles::year_range_message();
    view_ = numerology_view(state_.engine, p);
    return std::nullopt;
}

std::optional<std::string> NumerologyWindow::digit_text(StyledDocument& doc, int digit) const {
    if (!view_) return std::string(kNoPersonSelected);
    const auto& g = view_->grid;
    if (digit == 0) return add_numerology_text(doc, numera(), cycles::vibration_file(g.vibration),
                                               cycles::vibration_heading(g.vibration), false);
    const int n = g.counts[static_cast<std::size_t>(digit)];
    return add_numerology_text(doc, numera(), cycles::digit_file(digit, n, state_.num.numerology_digits),
                               cycles::digit_heading(digit, n), false);
}

std::optional<std::string> NumerologyWindow::reading(StyledDocument& doc) const {
    if (!view_) return std::string(kNoPersonSelected);
    return numerology_reading(doc, numera(), *view_, state_.num.numerology_digits);
}

std::optional<std::string> cp1250_problem(const std::string& text) {
    // Each character alone: the encoder writes "?" for one it lacks.
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const std::string one = text.substr(i, n);
        if (n > 1 && io::utf8_to_cp1250(one) == "?")
            return "Text obsahuje znak „" + one + "“, který nelze uložit v kódování Windows-1250. Výklad nebyl uložen.";
        i += n;
    }
    return std::nullopt;
}

NumEditor::NumEditor(fs::path numera, int max_count) : numera_(std::move(numera)), max_count_(max_count) {}

std::vector<std::string> NumEditor::count_items() const {
    std::vector<std::string> items;
    for (int n = 0; n <= max_count_; ++n) items.push_back(std::to_string(n) + "x");
    items.push_back(">" + std::to_string(max_count_) + "x");
    return items;
}

std::string NumEditor::chosen_file() const {
    if (!grid) return cycles::vibration_file(digit);
    return cycles::digit_file(digit, count_index, max_count_);
}

std::optional<std::string> NumEditor::load() {
    std::error_code ec;
    if (!fs::is_directory(numera_, ec)) {
        fs::create_directories(numera_, ec);
        if (!fs::is_directory(numera_, ec)) return "Adresář „" + numera_.string() + "“ nelze vytvořit.";
    }
    file_ = chosen_file();
    loaded_ = true;
    const auto bytes = io::read_file(numera_ / file_);
    exists_ = bytes.has_value();
    text_.clear();
    if (bytes) {
        const auto lines = text_lines(*bytes);
        for (std::size_t i = 0; i < lines.size(); ++i) text_ += (i ? "\n" : "") + lines[i];
    }
    saved_ = text_;
    return std::nullopt;
}

void NumEditor::edit(std::string text) { text_ = std::move(text); }

std::optional<std::string> NumEditor::save() {
    if (!loaded_) return std::nullopt;
    if (auto why = cp1250_problem(text_)) return why;
    std::string crlf;
    for (char ch : text_) {
        if (ch == '\r') continue;
        if (ch == '\n') crlf += "\r\n";
        else crlf += ch;
    }
    crlf += "\r\n";
    const fs::path path = numera_ / file_;
    std::error_code ec;
    // The read-only attribute is the file's write permission: lifted for the write, set again.
    if (fs::exists(path, ec)) fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
    const bool written = io::write_file_atomic(path, io::utf8_to_cp1250(crlf));
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
    if (!written) return "Výklad " + file_ + " se nepodařilo uložit.";
    exists_ = true;
    saved_ = text_;
    return std::nullopt;
}

std::optional<std::string> NumEditor::remove() {
    if (!loaded_ || !exists_) return std::nullopt;
    const fs::path path = numera_ / file_;
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
    if (!fs::remove(path, ec) && fs::exists(path)) return "Výklad " + file_ + " se nepodařilo smazat.";
    exists_ = false;
    text_.clear();
    saved_.clear();
    return std::nullopt;
}

}  // namespace sidora::models
