#pragma once
// The interpretation library: file names of constellations, the editors' rules for naming
// them, and reading, saving and deleting one text (Windows-1250, CR LF).
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace sidora::horoscope {

inline constexpr const char* kNatalTextDir = "texty";
inline constexpr const char* kPartnerTextDir = "Partner";

// p body, z sign, d house, a aspect, q/y/e the second body, its sign and house; 0 = none.
struct TConstellation {
    int p = 0, z = 0, d = 0, a = 0, q = 0, y = 0, e = 0;
    friend bool operator==(const TConstellation&, const TConstellation&) = default;
};

// "P1Z1D0A0P0Z0D0.txt": the numbers in the order given.
std::string natal_text_name(const TConstellation& c);
// "RP4Z0D0A2P5Z0D0.txt": p, z, d the second person, q, y, e the first.
std::string partner_text_name(const TConstellation& c);

// An aspect pair as the editor names it: the smaller body first, its sign and house along.
TConstellation ordered_pair(TConstellation c);

// The natal editor's lists as indices: planet 0..31 (0..23 the bodies 1..24, 24..31 the
// houses 2, 3, 5, 6, 8, 9, 11, 12), sign 0..12, house 0..12, aspect 0..18, body2 0..23,
// sign2 and house2 0..12.
struct NatalChoice {
    int planet = 0, sign = 0, house = 0, aspect = 0, body2 = 0, sign2 = 0, house2 = 0;
};
bool natal_is_house_entry(int planet);
// The house the entries 24..31 stand for, else 0.
int natal_entry_house(int planet);
// Lists the choice enables: "v domě" and "v aspektu" off for a house entry, the second
// body's lists only with an aspect.
bool natal_house_enabled(const NatalChoice& c);
bool natal_aspect_enabled(const NatalChoice& c);
bool natal_second_enabled(const NatalChoice& c);

// The constellation of a choice, or the editor's warning.
std::variant<TConstellation, std::string> natal_choice_constellation(const NatalChoice& c);

// The partner editor: upper row (the second person) body 0..24 (0 "neurčena"), sign 0..12,
// house 0..12, aspect 0..18; lower row (the first person) body, sign, house.
struct PartnerChoice {
    int body2 = 0, sign2 = 0, house2 = 0, aspect = 0, body1 = 0, sign1 = 0, house1 = 0;
};
std::variant<TConstellation, std::string> partner_choice_constellation(const PartnerChoice& c);

inline constexpr const char* kNoConstellation = "Není vybrána žádná konstelace!";
inline constexpr const char* kSelfAspect = "Planeta nemůže být v aspektu sama se sebou!";
inline constexpr const char* kUnsupportedConstellation = "Bohužel, s touto konstelací neumím pracovat.";

// A stored text as UTF-8 lines: nothing when the file cannot be read.
std::optional<std::vector<std::string>> read_text(const std::filesystem::path& file);
// The lines of text bytes (Windows-1250, CR LF or LF alone; a last line without its end kept).
std::vector<std::string> text_lines(std::string_view bytes);

// Czech refusal naming every character of `text` Windows-1250 cannot store; nothing when all can.
std::optional<std::string> cp1250_refusal(const std::string& text);

// Writes `text` (lines split at LF) by a temporary file and a rename, then makes the file
// read-only. The directory is created when missing. The Czech message when it was not
// saved; the old text is then intact.
std::optional<std::string> save_text(const std::filesystem::path& file, const std::string& text);
// Deletes a text whatever its read-only mode; the Czech message when it stays.
std::optional<std::string> delete_text(const std::filesystem::path& file);

// The directory in `program_dir`; `Partner` is found whatever the case of its letters.
std::filesystem::path text_directory(const std::filesystem::path& program_dir, const char* name);

}  // namespace sidora::horoscope
