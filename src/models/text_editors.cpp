#include "models/text_editors.h"

#include <variant>

#include "engine/angles.h"
#include "models/natal_window.h"

namespace sidora::models {
namespace fs = std::filesystem;
using horoscope::TConstellation;

std::optional<std::string> LoadedText::load_file(const std::string& file, std::string caption) {
    std::error_code ec;
    if (!fs::is_directory(dir_, ec)) {
        fs::create_directories(dir_, ec);
        if (!fs::is_directory(dir_, ec)) return "Adresář „" + dir_.string() + "“ nelze vytvořit.";
    }
    file_ = file;
    caption_ = std::move(caption);
    loaded_ = true;
    const auto lines = horoscope::read_text(dir_ / file_);
    exists_ = lines.has_value();
    not_found_ = !exists_;
    text_.clear();
    if (lines)
        for (std::size_t i = 0; i < lines->size(); ++i) text_ += (i ? "\n" : "") + (*lines)[i];
    saved_ = text_;
    return std::nullopt;
}

void LoadedText::edit(std::string text) {
    if (loaded_) text_ = std::move(text);
}

std::optional<std::string> LoadedText::save() {
    if (!save_enabled()) return std::nullopt;
    if (auto why = horoscope::save_text(path(), text_)) return why;
    exists_ = true;
    not_found_ = false;
    saved_ = text_;
    return std::nullopt;
}

std::optional<std::string> LoadedText::remove() {
    if (!delete_enabled()) return std::nullopt;
    if (auto why = horoscope::delete_text(path())) return why;
    exists_ = false;
    text_.clear();
    saved_.clear();
    return std::nullopt;
}

std::vector<std::string> sign_entries(const std::string& first) {
    std::vector<std::string> items{first};
    for (int s = 1; s <= 12; ++s) items.push_back(engine::sign_name_locative(s));
    return items;
}

std::vector<std::string> aspect_entries(const data::AspectDefs& defs, const std::string& first) {
    std::vector<std::string> items{first};
    for (int a = 1; a <= 18; ++a) items.push_back(defs[static_cast<std::size_t>(a)].name);
    return items;
}

namespace {

std::vector<std::string> body_names() {
    std::vector<std::string> items;
    for (int b = 1; b <= 24; ++b) items.push_back(chart_body_name(b));
    return items;
}

std::vector<std::string> numbered(const std::string& lead, const std::string& tail) {
    std::vector<std::string> items;
    for (int n = 1; n <= 12; ++n) items.push_back(lead + std::to_string(n) + tail);
    return items;
}

const std::string& entry(const std::vector<std::string>& items, int index) {
    static const std::string none;
    return index >= 0 && static_cast<std::size_t>(index) < items.size() ? items[static_cast<std::size_t>(index)] : none;
}

// A body with its sign and house as the lists name them: "Slunce v Beranu a v 1. domě".
std::string body_phrase(const std::string& body, int sign, const std::string& house_entry) {
    std::string s = body;
    if (sign) s += " " + engine::sign_name_locative(sign);
    if (sign && !house_entry.empty()) s += " a";
    if (!house_entry.empty()) s += " " + house_entry;
    return s;
}

std::optional<std::string> refusal(const std::variant<TConstellation, std::string>& r) {
    if (const auto* why = std::get_if<std::string>(&r)) return *why;
    return std::nullopt;
}

}  // namespace

// ---- The natal editor.

NatalTextEditor::NatalTextEditor(fs::path texty, const data::AspectDefs& defs)
    : LoadedText(std::move(texty)), defs_(defs) {}

std::vector<std::string> NatalTextEditor::planet_entries() {
    auto items = body_names();
    for (int house : {2, 3, 5, 6, 8, 9, 11, 12}) items.push_back(std::to_string(house) + ". dům");
    return items;
}

std::vector<std::string> NatalTextEditor::house_entries() {
    auto items = numbered("v ", ". domě");
    items.insert(items.begin(), "jakémkoliv");
    return items;
}

std::vector<std::string> NatalTextEditor::body2_entries() { return body_names(); }

std::optional<std::string> NatalTextEditor::check() const {
    return refusal(horoscope::natal_choice_constellation(choice));
}

std::optional<std::string> NatalTextEditor::chosen_file() const {
    const auto r = horoscope::natal_choice_constellation(choice);
    if (const auto* c = std::get_if<TConstellation>(&r)) return horoscope::natal_text_name(*c);
    return std::nullopt;
}

std::string NatalTextEditor::description() const {
    const auto houses = house_entries();
    if (horoscope::natal_is_house_entry(choice.planet))
        return std::to_string(horoscope::natal_entry_house(choice.planet)) + ". dům " +
               entry(sign_list(), choice.sign);
    std::string s = body_phrase(chart_body_name(choice.planet + 1), choice.sign,
                                choice.house ? entry(houses, choice.house) : std::string());
    if (choice.aspect)
        s += " " + defs_[static_cast<std::size_t>(choice.aspect)].name + " " +
             body_phrase(chart_body_name(choice.body2 + 1), choice.sign2,
                         choice.house2 ? entry(houses, choice.house2) : std::string());
    return s;
}

std::optional<std::string> NatalTextEditor::load() {
    if (auto why = check()) return why;
    return load_file(*chosen_file(), description());
}

// ---- The partner editor.

PartnerTextEditor::PartnerTextEditor(fs::path partner, const data::AspectDefs& defs)
    : LoadedText(std::move(partner)), defs_(defs) {}

std::vector<std::string> PartnerTextEditor::body_entries() {
    auto items = body_names();
    items.insert(items.begin(), "neurčena");
    return items;
}

std::vector<std::string> PartnerTextEditor::house2_entries() {
    auto items = numbered("", ". dům");
    items.insert(items.begin(), "neurčen");
    return items;
}

std::vector<std::string> PartnerTextEditor::house1_entries() {
    auto items = numbered("v ", ". dům");
    items.insert(items.begin(), "neurčen");
    return items;
}

std::optional<std::string> PartnerTextEditor::check() const {
    return refusal(horoscope::partner_choice_constellation(choice));
}

std::optional<std::string> PartnerTextEditor::chosen_file() const {
    const auto r = horoscope::partner_choice_constellation(choice);
    if (const auto* c = std::get_if<TConstellation>(&r)) return horoscope::partner_text_name(*c);
    return std::nullopt;
}

std::string PartnerTextEditor::description() const {
    const auto& c = choice;
    auto in_house = [](int n) { return n ? "v " + std::to_string(n) + ". domě" : std::string(); };
    // A house alone is named as the house itself: "4. dům 2. osoby".
    std::string s = c.body2 ? body_phrase(chart_body_name(c.body2), c.sign2, in_house(c.house2))
                            : body_phrase(std::to_string(c.house2) + ". dům", c.sign2, {});
    s += " 2. osoby";
    if (c.aspect) s += " " + defs_[static_cast<std::size_t>(c.aspect)].name;
    if (c.body1)
        s += (c.aspect ? " " : " a ") + body_phrase(chart_body_name(c.body1), c.sign1, in_house(c.house1));
    else {
        std::string place = body_phrase({}, c.sign1, in_house(c.house1));
        if (!place.empty() && place.front() == ' ') place.erase(0, 1);
        s += " " + place;
    }
    return s + " 1. osoby";
}

std::optional<std::string> PartnerTextEditor::load() {
    if (auto why = check()) return why;
    return load_file(*chosen_file(), description());
}

}  // namespace sidora::models
