#pragma once
// stavpar.mem: the four sections of the partner report, one byte 0/1 each.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace sidora::data {

inline constexpr const char* kPartnerReportFlagsFile = "stavpar.mem";

// 0 "Polohy planet", 1 "Polohy domů", 2 "Aspekty", 3 "Výklady".
using PartnerReportFlags = std::array<bool, 4>;
inline constexpr std::array<const char*, 4> kPartnerReportItems{"Polohy planet", "Polohy domů", "Aspekty",
                                                                "Výklady"};

// Exactly four bytes, else all four ticked.
PartnerReportFlags decode_partner_report_flags(const std::optional<std::string>& bytes);
std::string encode_partner_report_flags(const PartnerReportFlags& flags);

PartnerReportFlags load_partner_report_flags(const std::filesystem::path& dir);
// Throws io::FileError.
void save_partner_report_flags(const std::filesystem::path& dir, const PartnerReportFlags& flags);

// "1011" ⇄ flags; nothing for any other text.
std::optional<PartnerReportFlags> parse_partner_report_flags(const std::string& bits);

}  // namespace sidora::data
