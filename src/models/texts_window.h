#pragma once
// What the texts window shows and says besides its lines: its commands, the help topics of
// "Písmo", and saving and opening its text as RTF with the questions and refusals.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "models/styled_lines.h"

namespace sidora::models {

struct TextsCommand {
    const char* name;  // the tool button's object name
    const char* text;  // its caption
    const char* hint;
    const char* key;   // the shortcut of the hidden menu, empty for none
};

// The tool bar in its order: print, save, open, clear, and "Písmo" (help, with its menu).
inline constexpr std::array<TextsCommand, 5> kTextsCommands = {{
    {"BitTisk", "Tisk", "Tisk (CTRL-P)", "Ctrl+P"},
    {"BitUloz", "Ulož", "Ulož (CTRL-S)", "Ctrl+S"},
    {"BitOtevri", "Otevři", "Otevři (CTRL-O)", "Ctrl+O"},
    {"BitVycisti", "Vyčisti", "Vyčisti (CTRL-D)", "Ctrl+D"},
    {"BitPismo", "Písmo", "Písmo", ""},
}};
inline constexpr int kTextsHelpTopic = 26;

struct HelpItem {
    const char* text;
    int topic;
};
// The drop-down menu of "Písmo", in its order.
inline constexpr std::array<HelpItem, 7> kTextsHelpMenu = {{
    {"Znamení", 30}, {"Domy", 27}, {"Aspekty", 28}, {"Stálice", 29}, {"Černá Luna", 42}, {"Planetky", 40},
    {"Vertex", 41},
}};

// Both file dialogs: one filter, and the save dialog's extension and caption.
inline constexpr const char* kRtfFilter = "Formát RTF (*.rtf)";
inline constexpr const char* kRtfSuffix = "rtf";
inline constexpr const char* kSaveCaption = "Uložit";
inline constexpr const char* kOpenCaption = "Otevřít";

// Files larger than this are not taken for a text.
inline constexpr std::uintmax_t kMaxOpenedBytes = 32u << 20;

// "Ulož" after the dialog: a refusal of a read-only file, else nothing.
std::optional<std::string> save_refusal(const std::filesystem::path& file);
// The question before replacing an existing file, nothing for a new one.
std::optional<std::string> overwrite_question(const std::filesystem::path& file);
// Writes the lines as RTF by a temporary file and a rename; a Czech reason when that fails
// (the old file then stays as it was).
std::optional<std::string> save_document(const std::filesystem::path& file, const StyledDocument& doc);

// "Otevři": the file's lines, or a Czech reason (the window keeps its text then).
std::variant<StyledDocument, std::string> open_document(const std::filesystem::path& file);

}  // namespace sidora::models
