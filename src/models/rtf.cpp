#include "models/rtf.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "io/cp1250.h"

namespace sidora::models {

namespace {

void add_escaped(std::string& out, const std::string& utf8) {
    for (char32_t cp : io::utf8_to_u32(utf8)) {
        if (cp == U'\\' || cp == U'{' || cp == U'}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == U'\t') {
            out += "\\tab ";
        } else if (cp >= 0x20 && cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x20) {
            continue;
        } else {
            std::string one;
            if (cp < 0x800) {
                one += static_cast<char>(0xC0 | (cp >> 6));
                one += static_cast<char>(0x80 | (cp & 0x3F));
            } else if (cp < 0x10000) {
                one += static_cast<char>(0xE0 | (cp >> 12));
                one += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                one += static_cast<char>(0x80 | (cp & 0x3F));
            }
            const std::string byte = one.empty() ? std::string("?") : io::utf8_to_cp1250(one);
            if (!one.empty() && byte != "?" && io::cp1250_to_utf8(byte) == one) {
                static const char* hex = "0123456789abcdef";
                const auto b = static_cast<unsigned char>(byte[0]);
                out += "\\'";
                out += hex[b >> 4];
                out += hex[b & 15];
            } else {
                // \u takes a signed 16-bit number; beyond the plane a '?' stands in.
                const int n = cp < 0x10000 ? static_cast<int>(static_cast<std::int16_t>(cp)) : '?';
                out += "\\u" + std::to_string(n) + "?";
            }
        }
    }
}

}  // namespace

std::string write_rtf(const StyledDocument& doc) {
    std::vector<Rgb> colours;
    for (const auto& l : doc.lines())
        if (std::find(colours.begin(), colours.end(), l.colour) == colours.end()) colours.push_back(l.colour);
    std::string out = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\r\n{\\colortbl ;";
    for (const auto& c : colours)
        out += "\\red" + std::to_string(c.r) + "\\green" + std::to_string(c.g) + "\\blue" + std::to_string(c.b) + ";";
    out += "}\r\n\\viewkind4\\uc1\\pard\\f0\r\n";
    for (const auto& l : doc.lines()) {
        const auto index = std::find(colours.begin(), colours.end(), l.colour) - colours.begin() + 1;
        out += "\\cf" + std::to_string(index) + "\\fs" + std::to_string(l.size * 2) + (l.bold ? "\\b" : "\\b0") +
               (l.italic ? "\\i" : "\\i0") + (l.underline ? "\\ul" : "\\ulnone") + " ";
        add_escaped(out, l.text);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

namespace {

struct Format {
    int colour = 0;  // index into the colour table, 0 = automatic
    int half_points = 24;
    bool bold = false, italic = false, underline = false;
    int uc = 1;
};

struct Group {
    Format format;
    bool skip = false;
    bool colour_table = false;
};


bool skipped_destination(const std::string& word) {
    static const char* names[] = {"fonttbl", "stylesheet", "info", "pict", "header", "footer", "headerl", "headerr",
                                  "footerl", "footerr", "object", "listtable", "listoverridetable", "revtbl",
                                  "rsidtbl", "generator", "themedata", "colorschememapping", "latentstyles",
                                  "datastore", "xmlnstbl", "filetbl", "footnote", "field", "fldinst"};
    return std::find_if(std::begin(names), std::end(names), [&](const char* n) { return word == n; }) !=
           std::end(names);
}

// The punctuation other editors write as control words.
char32_t typographic(const std::string& word) {
    static const std::pair<const char*, char32_t> symbols[] = {
        {"emdash", U'—'}, {"endash", U'–'}, {"bullet", U'•'}, {"lquote", U'‘'},
        {"rquote", U'’'}, {"ldblquote", U'“'}, {"rdblquote", U'”'}, {"emspace", U' '}, {"enspace", U' '}};
    for (const auto& [name, cp] : symbols)
        if (word == name) return cp;
    return 0;
}

LineStyle matching_style(const StyledLine& l, int base) {
    for (LineStyle s : {LineStyle::Title, LineStyle::Header, LineStyle::Section, LineStyle::Subheading,
                        LineStyle::Body, LineStyle::End, LineStyle::Note}) {
        StyledLine probe = styled_line(s, l.text, base);
        if (probe == StyledLine{l.text, s, l.colour, l.size, l.bold, l.italic, l.underline}) return s;
    }
    return LineStyle::Body;
}

}  // namespace

std::optional<StyledDocument> read_rtf(std::string_view in, std::string& why) {
    static const std::string kBad = "Soubor není ve formátu RTF nebo je poškozený; text zůstal beze změny.";
    if (in.substr(0, 5) != "{\\rtf") {
        why = kBad;
        return std::nullopt;
    }
    std::vector<Rgb> colours;  // \cf0 is the first entry, usually the automatic one
    Rgb pending;
    std::vector<Group> stack;
    StyledDocument doc;
    std::string text;
    Format line_format;
    bool line_started = false;
    int unicode_skip = 0;
    bool finished = false;

    auto put = [&](char32_t cp) {
        if (stack.back().skip) return;
        if (unicode_skip > 0) {
            --unicode_skip;
            return;
        }
        if (!line_started) line_format = stack.back().format, line_started = true;
        io::append_utf8(text, cp);
    };
    auto end_line = [&] {
        if (!line_started) line_format = stack.back().format;
        StyledLine l;
        l.text = text;
        const auto ci = static_cast<std::size_t>(line_format.colour);
        l.colour = ci < colours.size() ? colours[ci] : Rgb{};
        l.size = std::max(1, line_format.half_points / 2);
        l.bold = line_format.bold, l.italic = line_format.italic, l.underline = line_format.underline;
        l.style = matching_style(l, doc.base());
        doc.add(std::move(l));
        text.clear();
        line_started = false;
    };

    std::size_t i = 0;
    while (i < in.size() && !finished) {
        const char ch = in[i];
        if (ch == '{') {
            if (static_cast<int>(stack.size()) >= kRtfMaxDepth) {
                why = "Soubor RTF má příliš mnoho vnořených skupin; text zůstal beze změny.";
                return std::nullopt;
            }
            stack.push_back(stack.empty() ? Group{} : stack.back());
            stack.back().colour_table = false;
            ++i;
            continue;
        }
        if (ch == '}') {
            if (stack.empty()) break;
            stack.pop_back();
            ++i;
            if (stack.empty()) finished = true;
            continue;
        }
        if (stack.empty()) {
            ++i;
            continue;
        }
        if (ch == '\r' || ch == '\n') {
            ++i;
            continue;
        }
        if (ch != '\\') {
            if (stack.back().colour_table) {
                if (ch == ';') colours.push_back(pending), pending = {};
            } else {
                put(static_cast<unsigned char>(ch) < 0x80 ? static_cast<char32_t>(ch)
                                                          : io::utf8_to_u32(io::cp1250_to_utf8(in.substr(i, 1)))[0]);
            }
            ++i;
            continue;
        }
        // A control word or symbol.
        ++i;
        if (i >= in.size()) break;
        const char c = in[i];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++i;
            switch (c) {
            case '\\': case '{': case '}': put(static_cast<char32_t>(c)); break;
            case '~': put(0xA0); break;
            case '_': put(U'-'); break;
            case '*': stack.back().skip = true; break;
            case '\r': case '\n': if (!stack.back().skip) end_line(); break;
            case '\'': {
                if (i + 2 > in.size()) break;
                const std::string hex(in.substr(i, 2));
                i += 2;
                char* end = nullptr;
                const long v = std::strtol(hex.c_str(), &end, 16);
                if (end != hex.c_str() + 2) break;
                const std::string byte(1, static_cast<char>(v));
                put(io::utf8_to_u32(io::cp1250_to_utf8(byte))[0]);
                break;
            }
            default: break;
            }
            continue;
        }
        std::string word;
        while (i < in.size() && std::isalpha(static_cast<unsigned char>(in[i])) && word.size() < 32) word += in[i++];
        bool has_number = false, negative = false;
        long number = 0;
        if (i < in.size() && in[i] == '-') negative = true, ++i;
        int digits = 0;
        while (i < in.size() && std::isdigit(static_cast<unsigned char>(in[i]))) {
            if (digits++ < 9) number = number * 10 + (in[i] - '0');
            has_number = true;
            ++i;
        }
        if (negative) number = -number;
        if (i < in.size() && in[i] == ' ') ++i;
        auto& g = stack.back();
        auto& f = g.format;
        if (word == "bin") {
            i += static_cast<std::size_t>(std::clamp(number, 0L, static_cast<long>(in.size() - i)));
        } else if (skipped_destination(word)) {
            g.skip = true;
        } else if (word == "colortbl") {
            g.colour_table = true;
            g.skip = true;
        } else if (g.colour_table) {
            const auto v = static_cast<std::uint8_t>(std::clamp(number, 0L, 255L));
            if (word == "red") pending.r = v;
            else if (word == "green") pending.g = v;
            else if (word == "blue") pending.b = v;
        } else if (g.skip) {
            // Inside a skipped group nothing counts.
        } else if (word == "par" || word == "line") {
            end_line();
        } else if (word == "tab" || word == "cell") {
            put(U'\t');
        } else if (word == "row") {
            end_line();
        } else if (const char32_t symbol = typographic(word)) {
            put(symbol);
        } else if (word == "u" && has_number) {
            long v = number < 0 ? number + 65536 : number;
            if (v < 0 || v > 0xFFFF) v = '?';
            put(static_cast<char32_t>(v));
            unicode_skip = f.uc;
        } else if (word == "uc") {
            f.uc = static_cast<int>(std::clamp(number, 0L, 10L));
        } else if (word == "plain") {
            f = Format{0, 24, false, false, false, f.uc};
        } else if (word == "cf") {
            f.colour = static_cast<int>(std::clamp(number, 0L, 10000L));
        } else if (word == "fs") {
            f.half_points = static_cast<int>(std::clamp(has_number ? number : 24L, 2L, 3276L));
        } else if (word == "b") {
            f.bold = !has_number || number != 0;
        } else if (word == "i") {
            f.italic = !has_number || number != 0;
        } else if (word == "ul") {
            f.underline = !has_number || number != 0;
        } else if (word == "ulnone") {
            f.underline = false;
        }
        if (word != "u") unicode_skip = 0;
    }
    if (!finished) {
        why = kBad;
        return std::nullopt;
    }
    if (line_started) end_line();
    return doc;
}

}  // namespace sidora::models
