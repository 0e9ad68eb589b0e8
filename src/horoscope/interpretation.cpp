#include "horoscope/interpretation.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "io/cp1250.h"
#include "io/files.h"

namespace sidora::horoscope {
namespace fs = std::filesystem;

namespace {

std::string seven(const char* lead, const TConstellation& c) {
    auto n = [](int v) { return std::to_string(v); };
    return std::string(lead) + n(c.p) + "Z" + n(c.z) + "D" + n(c.d) + "A" + n(c.a) + "P" + n(c.q) + "Z" + n(c.y) +
           "D" + n(c.e) + ".txt";
}

constexpr std::array<int, 8> kEntryHouses = {2, 3, 5, 6, 8, 9, 11, 12};

}  // namespace

std::string natal_text_name(const TConstellation& c) { return seven("P", c); }
std::string partner_text_name(const TConstellation& c) { return seven("RP", c); }

TConstellation ordered_pair(TConstellation c) {
    if (c.a != 0 && c.q != 0 && c.q < c.p) {
        std::swap(c.p, c.q);
        std::swap(c.z, c.y);
        std::swap(c.d, c.e);
    }
    return c;
}

bool natal_is_house_entry(int planet) { return planet >= 24 && planet < 32; }
int natal_entry_house(int planet) {
    return natal_is_house_entry(planet) ? kEntryHouses[static_cast<std::size_t>(planet - 24)] : 0;
}
bool natal_house_enabled(const NatalChoice& c) { return !natal_is_house_entry(c.planet); }
bool natal_aspect_enabled(const NatalChoice& c) { return !natal_is_house_entry(c.planet); }
bool natal_second_enabled(const NatalChoice& c) { return natal_aspect_enabled(c) && c.aspect != 0; }

std::variant<TConstellation, std::string> natal_choice_constellation(const NatalChoice& c) {
    if (natal_is_house_entry(c.planet)) {
        if (c.sign == 0) return std::string(kNoConstellation);
        return TConstellation{0, c.sign, natal_entry_house(c.planet), 0, 0, 0, 0};
    }
    if (c.sign == 0 && c.house == 0 && c.aspect == 0) return std::string(kNoConstellation);
    TConstellation k{c.planet + 1, c.sign, c.house, 0, 0, 0, 0};
    if (c.aspect != 0) {
        if (c.body2 == c.planet) return std::string(kSelfAspect);
        k.a = c.aspect;
        k.q = c.body2 + 1;
        k.y = c.sign2;
        k.e = c.house2;
    }
    return ordered_pair(k);
}

std::variant<TConstellation, std::string> partner_choice_constellation(const PartnerChoice& c) {
    const bool upper = c.body2 || c.sign2 || c.house2;
    const bool lower = c.body1 || c.sign1 || c.house1;
    if (!upper || !lower) return std::string(kNoConstellation);
    const TConstellation k{c.body2, c.sign2, c.house2, c.aspect, c.body1, c.sign1, c.house1};
    const bool aspect_pair = c.body2 && c.body1 && c.aspect;
    const bool same_body = c.body2 && c.body2 == c.body1 && !c.aspect && (c.sign2 || c.house2) &&
                           (c.sign1 || c.house1);
    const bool two_houses = !c.body2 && !c.body1 && !c.aspect && !c.sign2 && !c.sign1 && c.house2 && c.house1;
    const bool body_in_house = c.body2 && !c.sign2 && !c.house2 && !c.aspect && !c.body1 && !c.sign1 && c.house1;
    if (aspect_pair || same_body || two_houses || body_in_house) return k;
    return std::string(kUnsupportedConstellation);
}

std::vector<std::string> text_lines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(io::cp1250_to_utf8(line));
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<std::string>> read_text(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec)) return std::nullopt;
    const auto bytes = io::read_file(file);
    if (!bytes) return std::nullopt;
    return text_lines(*bytes);
}

std::optional<std::string> cp1250_refusal(const std::string& text) {
    std::vector<std::string> bad;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        n = std::min(n, text.size() - i);
        const std::string one = text.substr(i, n);
        i += n;
        if (n == 1 && lead < 0x80) continue;
        const std::string back = io::cp1250_to_utf8(io::utf8_to_cp1250(one));
        if (back != one && std::find(bad.begin(), bad.end(), one) == bad.end()) bad.push_back(one);
    }
    if (bad.empty()) return std::nullopt;
    std::string list;
    for (const auto& ch : bad) list += (list.empty() ? "„" : ", „") + ch + "“";
    return std::string(bad.size() == 1 ? "Znak " : "Znaky ") + list +
           " nelze uložit v kódování Windows-1250. Výklad nebyl uložen.";
}

std::optional<std::string> save_text(const fs::path& file, const std::string& text) {
    if (auto why = cp1250_refusal(text)) return why;
    std::string crlf;
    for (char ch : text) {
        if (ch == '\r') continue;
        if (ch == '\n')
            crlf += "\r\n";
        else
            crlf += ch;
    }
    if (!crlf.empty() && (crlf.size() < 2 || crlf.compare(crlf.size() - 2, 2, "\r\n") != 0)) crlf += "\r\n";
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    const bool existed = fs::exists(file, ec);
    // The read-only mode is lifted only for the rename; a failed write leaves it set again.
    if (existed) fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
    std::optional<std::string> failure;
    try {
        io::replace_file(file, io::utf8_to_cp1250(crlf));
    } catch (const io::FileError& e) {
        failure = std::string("Výklad se nepodařilo uložit: ") + e.what();
    }
    if (existed || !failure)
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                        fs::perm_options::replace, ec);
    return failure;
}

std::optional<std::string> delete_text(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return std::nullopt;
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
    if (!fs::remove(file, ec) && fs::exists(file)) {
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove, ec);
        return "Výklad " + file.filename().string() + " se nepodařilo smazat.";
    }
    return std::nullopt;
}

fs::path text_directory(const fs::path& program_dir, const char* name) {
    const fs::path exact = program_dir / name;
    std::error_code ec;
    if (fs::is_directory(exact, ec)) return exact;
    auto lower = [](std::string s) {
        for (auto& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    };
    const std::string wanted = lower(name);
    for (fs::directory_iterator it(program_dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec) && lower(it->path().filename().string()) == wanted) return it->path();
    return exact;
}

}  // namespace sidora::horoscope
