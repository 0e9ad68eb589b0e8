#pragma once
// The lookups of one report in a text library: each one recorded for the command line, the
// warnings kept, a missing library warned once per report.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sidora::models {

struct TextLookup {
    std::string file;
    int variant = 0;  // 0 a single lookup, 1..16 the aspect's variants
    bool found = false;
};

class TextLookups {
public:
    explicit TextLookups(std::filesystem::path dir) : dir_(std::move(dir)) {}

    // The lines of the text `name`, or nothing. A single lookup (variant 0) outside quiet mode
    // warns that the text was not found.
    std::optional<std::vector<std::string>> look_up(const std::string& name, int variant, bool quiet);
    void warn(const std::string& text) { warnings_.push_back(text); }
    // A new report warns again of a missing library.
    void new_report() { directory_warned_ = false; }

    const std::vector<TextLookup>& lookups() const { return lookups_; }
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    std::filesystem::path dir_;
    std::vector<TextLookup> lookups_;
    std::vector<std::string> warnings_;
    bool directory_warned_ = false;
};

}  // namespace sidora::models
