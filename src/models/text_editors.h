#pragma once
// The two editors of the interpretation library: the natal one (`TFrmVyklady`) and the
// partner one (`TFrmVyklady1`). Both keep the file they loaded: "&Ulož" and "&Smaž" act on
// it, whatever the lists show by then, and the text cannot be written before a load.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/orbs.h"
#include "horoscope/interpretation.h"

namespace sidora::models {

// The text of one loaded constellation.
class LoadedText {
public:
    explicit LoadedText(std::filesystem::path dir) : dir_(std::move(dir)) {}

    // Loads `file` of the directory (created when missing) and keeps `caption` above the text.
    // A missing file opens empty and writable, so that saving creates it.
    std::optional<std::string> load_file(const std::string& file, std::string caption);
    void edit(std::string text);
    // "&Ulož": to the loaded file. A refusal or a failed write leaves the file as it was.
    std::optional<std::string> save();
    // "&Smaž" (after kAskDelete): deletes the loaded file and empties the text.
    std::optional<std::string> remove();

    bool loaded() const { return loaded_; }
    bool editable() const { return loaded_; }
    // Changed since the load or the last save, and something to save: also when the editor
    // asks before losing the text.
    bool unsaved() const { return loaded_ && text_ != saved_ && !text_.empty(); }
    bool save_enabled() const { return unsaved(); }
    bool delete_enabled() const { return loaded_ && exists_; }
    bool not_found_visible() const { return not_found_; }
    const std::string& text() const { return text_; }
    const std::string& file() const { return file_; }  // the loaded file's name, "" before a load
    const std::string& caption() const { return caption_; }
    std::filesystem::path path() const { return dir_ / file_; }

private:
    std::filesystem::path dir_;
    bool loaded_ = false, exists_ = false, not_found_ = false;
    std::string file_, caption_, text_, saved_;
};

// List entries shared by the editors.
std::vector<std::string> sign_entries(const std::string& first);  // first, "v Beranu" … "v Rybách"
std::vector<std::string> aspect_entries(const data::AspectDefs& defs, const std::string& first);  // codes 1..18

class NatalTextEditor : public LoadedText {
public:
    // `texty`: the natal library's directory.
    NatalTextEditor(std::filesystem::path texty, const data::AspectDefs& defs);

    // "Planeta", "ve znamení", "v domě", "v aspektu", "k planetě" (the second "ve znamení"
    // and "v domě" are the first ones again).
    static std::vector<std::string> planet_entries();
    static std::vector<std::string> sign_list() { return sign_entries("jakémkoliv"); }
    static std::vector<std::string> house_entries();
    std::vector<std::string> aspect_list() const { return aspect_entries(defs_, "žádném"); }
    static std::vector<std::string> body2_entries();

    horoscope::NatalChoice choice;  // every list at its first entry
    bool house_enabled() const { return horoscope::natal_house_enabled(choice); }
    bool aspect_enabled() const { return horoscope::natal_aspect_enabled(choice); }
    bool second_enabled() const { return horoscope::natal_second_enabled(choice); }

    // The warning that stops "O&K", or nothing. The window asks about an unsaved text after it.
    std::optional<std::string> check() const;
    // The file the lists name now, or the warning.
    std::optional<std::string> chosen_file() const;
    // The lists in words, as shown above the loaded text.
    std::string description() const;
    // "O&K": check(), then load the chosen file.
    std::optional<std::string> load();

private:
    const data::AspectDefs& defs_;
};

class PartnerTextEditor : public LoadedText {
public:
    // `partner`: the partner library's directory.
    PartnerTextEditor(std::filesystem::path partner, const data::AspectDefs& defs);

    // "2. osoba:" row: "Planeta", "Znamení", "Dům", the aspects; "1. osoba:" row: "Planeta",
    // "Znamení", "Dům".
    static std::vector<std::string> body_entries();
    static std::vector<std::string> sign2_entries() { return sign_entries("nerčeno"); }
    static std::vector<std::string> house2_entries();
    std::vector<std::string> aspect_list() const { return aspect_entries(defs_, "žádný"); }
    static std::vector<std::string> sign1_entries() { return sign_entries("neurčeno"); }
    static std::vector<std::string> house1_entries();

    horoscope::PartnerChoice choice;

    std::optional<std::string> check() const;
    std::optional<std::string> chosen_file() const;
    std::string description() const;
    std::optional<std::string> load();

private:
    const data::AspectDefs& defs_;
};

}  // namespace sidora::models
