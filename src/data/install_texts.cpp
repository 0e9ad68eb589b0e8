// First-run installation of the interpretation texts from their sum files.
#include <algorithm>
#include <array>

#include "data/startup.h"
#include "io/cp1250.h"
#include "io/files.h"

namespace sidora::data {
namespace fs = std::filesystem;

namespace {

struct Kind {
    const char* directory;
    const char* sum_file;
    const char* caption;
};

constexpr std::array<Kind, 3> kKinds = {{
    {"texty", "Tsuma.dat", "Instalace výkladů k nativním horoskopům"},
    {"numera", "Nsuma.dat", "Instalace numerologických výkladů"},
    {"Partner", "Psuma.dat", "Instalace výkladů k partnerským horoskopům"},
}};

constexpr const char* kMarker = "prvni.dat";

// A name from a sum file must stay inside its directory.
bool safe_file_name(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

// Installs one kind; false when a text could not be written (its sum file is then kept).
bool install_kind(const fs::path& program_dir, const Kind& kind, const InstallProgress& progress) {
    std::error_code ec;
    const fs::path dir = program_dir / kind.directory;
    if (!fs::is_directory(dir, ec)) {
        progress.warn("Adresář výkladů nenalezen! Nelze provést jejich instalaci!");
        return true;
    }
    const fs::path sum_path = dir / kind.sum_file;
    const auto sum = io::read_file(sum_path);
    if (!sum) {
        progress.warn("Soubor s výklady nenalezen! Nelze provést instalaci výkladů!");
        return true;
    }
    const auto texts = parse_sum_file(*sum);
    // The bar counts the texts the file really holds.
    progress.begin(kind.caption, static_cast<int>(texts.size()));
    int position = 0;
    std::vector<std::string> refused;
    std::vector<std::string> failed;
    std::string first_reason;
    for (const auto& text : texts) {
        progress.step(++position);
        if (!safe_file_name(text.name)) {
            refused.push_back(text.name);
            continue;
        }
        const fs::path target = dir / text.name;
        if (fs::exists(target, ec)) continue;  // the user's own version stays
        try {
            io::replace_file(target, text.content);
        } catch (const io::FileError& e) {
            failed.push_back(text.name);
            if (first_reason.empty()) first_reason = e.what();
        }
    }
    // The sum file goes only when every text is in place; otherwise the next start tries again.
    if (failed.empty()) fs::remove(sum_path, ec);
    progress.end();
    if (!refused.empty()) {
        std::string text = "Výklady s neplatným názvem souboru nebyly nainstalovány:";
        for (const auto& name : refused) text += " „" + name + "“";
        progress.warn(text);
    }
    if (!failed.empty()) {
        std::string text = "Tyto výklady se nepodařilo zapsat:";
        for (const auto& name : failed) text += " „" + name + "“";
        text += ". " + first_reason + " Soubor " + std::string(kind.sum_file) +
                " zůstává a instalace se při příštím spuštění zopakuje.";
        progress.warn(text);
    }
    return failed.empty();
}

}  // namespace

std::vector<SumText> parse_sum_file(std::string_view sum) {
    std::vector<SumText> texts;
    std::size_t start = 0;
    while (start < sum.size()) {
        std::size_t end = sum.find('\n', start);
        if (end == std::string_view::npos) end = sum.size();
        std::string_view line = sum.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line[0] == '@') {
            texts.push_back({io::cp1250_to_utf8(line.substr(1)), {}});
        } else if (!texts.empty()) {
            texts.back().content += line;
            texts.back().content += "\r\n";
        }
    }
    return texts;
}

bool installation_requested(const AppState& state) {
    std::error_code ec;
    return fs::exists(state.program_dir / kMarker, ec);
}

std::vector<std::string> requested_kinds(const AppState& state) {
    const auto marker = io::read_file(state.program_dir / kMarker).value_or("");
    std::vector<std::string> named;
    std::size_t start = 0;
    while (start < marker.size()) {
        std::size_t end = marker.find('\n', start);
        if (end == std::string::npos) end = marker.size();
        std::string line = marker.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (const Kind& kind : kKinds)
            if (line == kind.directory) named.push_back(line);
        start = end + 1;
    }
    // A marker that names no kind (any content will do) asks for all of them.
    if (named.empty())
        for (const Kind& kind : kKinds) named.emplace_back(kind.directory);
    return named;
}

void install_interpretations(const AppState& state, const InstallProgress& progress) {
    bool complete = true;
    const auto kinds = requested_kinds(state);
    for (const Kind& kind : kKinds) {
        if (std::find(kinds.begin(), kinds.end(), kind.directory) == kinds.end()) continue;
        complete = install_kind(state.program_dir, kind, progress) && complete;
    }
    std::error_code ec;
    if (complete) fs::remove(state.program_dir / kMarker, ec);
}

}  // namespace sidora::data
