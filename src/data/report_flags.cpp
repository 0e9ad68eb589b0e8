#include "data/report_flags.h"

#include "io/files.h"

namespace sidora::data {

ReportFlags default_report_flags() { return {true, true, false, false, false, true, true, true, true, true}; }

ReportFlags decode_report_flags(const std::optional<std::string>& bytes) {
    if (!bytes || bytes->size() != 10) return default_report_flags();
    ReportFlags f{};
    for (std::size_t i = 0; i < f.size(); ++i) f[i] = (*bytes)[i] != 0;
    return f;
}

std::string encode_report_flags(const ReportFlags& flags) {
    std::string out;
    for (bool b : flags) out += static_cast<char>(b ? 1 : 0);
    return out;
}

ReportFlags load_report_flags(const std::filesystem::path& dir) {
    return decode_report_flags(io::read_file(dir / kReportFlagsFile));
}

void save_report_flags(const std::filesystem::path& dir, const ReportFlags& flags) {
    io::replace_file(dir / kReportFlagsFile, encode_report_flags(flags));
}

std::optional<ReportFlags> parse_report_flags(const std::string& bits) {
    if (bits.size() != 10) return std::nullopt;
    ReportFlags f{};
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (bits[i] != '0' && bits[i] != '1') return std::nullopt;
        f[i] = bits[i] == '1';
    }
    return f;
}

}  // namespace sidora::data
