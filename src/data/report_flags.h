#pragma once
// stav.mem: the ten sections of the natal report, one byte 0/1 each.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace sidora::data {

inline constexpr const char* kReportFlagsFile = "stav.mem";

// Index 0..9 = flags 1..10: positions of planets, houses, points, stars, aspects, texts of
// signs, houses, the dominant traits, texts of aspects, texts of cusps.
using ReportFlags = std::array<bool, 10>;
ReportFlags default_report_flags();

// Exactly ten bytes, else the defaults (a longer file must not spill past the flags).
ReportFlags decode_report_flags(const std::optional<std::string>& bytes);
std::string encode_report_flags(const ReportFlags& flags);

ReportFlags load_report_flags(const std::filesystem::path& dir);
// Throws io::FileError.
void save_report_flags(const std::filesystem::path& dir, const ReportFlags& flags);

// "1100011111" ⇄ flags; nothing for any other text.
std::optional<ReportFlags> parse_report_flags(const std::string& bits);

}  // namespace sidora::data
