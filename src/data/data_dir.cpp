#include "data/data_dir.h"

#include <cstdlib>

#include "data/startup_error.h"

namespace sidora::data {
namespace fs = std::filesystem;

namespace {
std::optional<std::string> env(const char* name) {
    const char* v = std::getenv(name);
    if (v == nullptr || *v == '\0') return std::nullopt;
    return std::string(v);
}
}  // namespace

fs::path resolve_data_dir(const std::optional<std::string>& dir_option) {
    if (dir_option) {
        // An empty value is a mistake (an unset shell variable, say), not a wish for the default.
        if (dir_option->empty()) throw StartupError::whole("Volba --dir potřebuje název adresáře; prázdný název nelze použít.");
        return fs::path(*dir_option);
    }
    if (auto d = env("SIDORA_DIR")) return fs::path(*d);
    if (auto x = env("XDG_DATA_HOME")) return fs::path(*x) / "sidora";
    const auto home = env("HOME");
    return fs::path(home ? *home : ".") / ".local" / "share" / "sidora";
}

std::optional<fs::path> shipped_data_dir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return std::nullopt;
    const fs::path bin = exe.parent_path();
    // Build tree (programs at its top, tests one level down), then the installed layout.
    for (const fs::path& candidate : {bin / "share", bin.parent_path() / "share" / "sidora", bin.parent_path() / "share"}) {
        if (fs::is_directory(candidate, ec)) return candidate;
    }
    return std::nullopt;
}

}  // namespace sidora::data
