#include "models/text_lookups.h"

#include "horoscope/interpretation.h"
#include "models/styled_lines.h"

namespace sidora::models {

std::optional<std::vector<std::string>> TextLookups::look_up(const std::string& name, int variant, bool quiet) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir_, ec)) {
        // Once per report: a missing library would otherwise repeat it for every lookup.
        if (!directory_warned_) warn(kDirectoryNotFound);
        directory_warned_ = true;
        return std::nullopt;
    }
    auto lines = horoscope::read_text(dir_ / name);
    lookups_.push_back({name, variant, lines.has_value()});
    if (!lines && !quiet && variant == 0) warn(kTextNotFound);
    return lines;
}

}  // namespace sidora::models
