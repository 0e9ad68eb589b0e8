#include "models/moment_args.h"

#include <cctype>
#include <charconv>
#include <ctime>

namespace sidora::models {
namespace {

// A whole decimal number of 1..max_digits digits filling the text.
std::optional<int> number(const std::string& s, std::size_t max_digits) {
    if (s.empty() || s.size() > max_digits) return std::nullopt;
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<Coordinate> parse_coordinate(const std::string& text, char plus, char minus,
                                           std::size_t deg_digits, int max_deg) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || text.size() < colon + 3) return std::nullopt;
    const char dir = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (dir != plus && dir != minus) return std::nullopt;
    const auto deg = number(text.substr(0, colon), deg_digits);
    const auto min = number(text.substr(colon + 1, text.size() - colon - 2), 2);
    if (!deg || !min || !within_scale(*deg, *min, max_deg)) return std::nullopt;
    return Coordinate{*deg, *min, dir == plus};
}

}  // namespace

std::optional<engine::Moment> parse_moment(const std::string& t) {
    // YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS
    if ((t.size() != 16 && t.size() != 19) || t[4] != '-' || t[7] != '-' ||
        (t[10] != 'T' && t[10] != ' ') || t[13] != ':' || (t.size() == 19 && t[16] != ':')) {
        return std::nullopt;
    }
    const auto y = number(t.substr(0, 4), 4);
    const auto mo = number(t.substr(5, 2), 2);
    const auto d = number(t.substr(8, 2), 2);
    const auto h = number(t.substr(11, 2), 2);
    const auto mi = number(t.substr(14, 2), 2);
    const auto s = t.size() == 19 ? number(t.substr(17, 2), 2) : std::optional<int>(0);
    if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59) return std::nullopt;
    try {
        engine::date_serial(*y, *mo, *d);
    } catch (const engine::DateError&) {
        return std::nullopt;
    }
    auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
    return engine::Moment{u16(*d), u16(*mo), u16(*y), u16(*h), u16(*mi), u16(*s)};
}

std::optional<Coordinate> parse_latitude(const std::string& text) {
    return parse_coordinate(text, 'N', 'S', 2, 90);
}

std::optional<Coordinate> parse_longitude(const std::string& text) {
    return parse_coordinate(text, 'E', 'W', 3, 180);
}

engine::Moment local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
    return engine::Moment{u16(tm.tm_mday), u16(tm.tm_mon + 1), u16(tm.tm_year + 1900),
                          u16(tm.tm_hour), u16(tm.tm_min),     u16(tm.tm_sec > 59 ? 59 : tm.tm_sec)};
}

}  // namespace sidora::models
