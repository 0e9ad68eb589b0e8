#include "data/partner_report_flags.h"

#include "io/files.h"

namespace sidora::data {

PartnerReportFlags decode_partner_report_flags(const std::optional<std::string>& bytes) {
    if (!bytes || bytes->size() != 4) return {true, true, true, true};
    PartnerReportFlags f{};
    for (std::size_t i = 0; i < f.size(); ++i) f[i] = (*bytes)[i] != 0;
    return f;
}

std::string encode_partner_report_flags(const PartnerReportFlags& flags) {
    std::string out;
    for (bool b : flags) out += static_cast<char>(b ? 1 : 0);
    return out;
}

PartnerReportFlags load_partner_report_flags(const std::filesystem::path& dir) {
    return decode_partner_report_flags(io::read_file(dir / kPartnerReportFlagsFile));
}

void save_partner_report_flags(const std::filesystem::path& dir, const PartnerReportFlags& flags) {
    io::replace_file(dir / kPartnerReportFlagsFile, encode_partner_report_flags(flags));
}

std::optional<PartnerReportFlags> parse_partner_report_flags(const std::string& bits) {
    if (bits.size() != 4) return std::nullopt;
    PartnerReportFlags f{};
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (bits[i] != '0' && bits[i] != '1') return std::nullopt;
        f[i] = bits[i] == '1';
    }
    return f;
}

}  // namespace sidora::data
