#include "models/texts_window.h"

#include <sys/stat.h>
#include <unistd.h>

#include "io/files.h"
#include "models/rtf.h"

namespace sidora::models {
namespace fs = std::filesystem;

namespace {

std::string quoted(const fs::path& file) { return "„" + file.filename().string() + "“"; }

// As the file writer judges it: by the mode bits, so the refusal holds for root too.
bool read_only(const fs::path& file) {
    struct stat st{};
    if (::stat(file.c_str(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0;
}

}  // namespace

std::optional<std::string> save_refusal(const fs::path& file) {
    if (read_only(file))
        return "Soubor " + quoted(file) + " je jen pro čtení; výklad nebyl uložen.";
    return std::nullopt;
}

std::optional<std::string> overwrite_question(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return std::nullopt;
    return "Soubor " + quoted(file) + " již existuje. Chceš jej přepsat?";
}

std::optional<std::string> save_document(const fs::path& file, const StyledDocument& doc) {
    try {
        io::replace_file(file, write_rtf(doc));
    } catch (const io::FileError& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

std::variant<StyledDocument, std::string> open_document(const fs::path& file) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (!ec && size > kMaxOpenedBytes)
        return "Soubor " + quoted(file) + " je příliš velký; text zůstal beze změny.";
    const auto bytes = io::read_file(file);
    if (!bytes) return "Soubor " + quoted(file) + " nelze přečíst; text zůstal beze změny.";
    std::string why;
    auto doc = read_rtf(*bytes, why);
    if (!doc) return why;
    return std::move(*doc);
}

}  // namespace sidora::models
