#include "cli/output.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <ostream>
#include <vector>

#include "io/cp1250.h"
#include "models/symbols.h"

namespace sidora::cli {
namespace {

void write_number(std::ostream& out, double v) {
    if (!std::isfinite(v)) {
        out << "null";
        return;
    }
    char buf[32];
    const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
    out << (ec == std::errc() ? std::string_view(buf, static_cast<std::size_t>(p - buf)) : "null");
}

void write_string(std::ostream& out, const std::string& s) {
    out << Json(s).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void write_value(std::ostream& out, const Json& v, JsonLayout layout, int depth) {
    const bool indented = layout == JsonLayout::Indented;
    const auto newline = [&](int d) {
        if (indented) out << '\n' << std::string(static_cast<std::size_t>(2 * d), ' ');
    };
    const char* comma = indented ? "," : ", ";
    switch (v.type()) {
        case Json::value_t::object: {
            if (v.empty()) {
                out << "{}";
                return;
            }
            out << '{';
            bool first = true;
            for (const auto& [key, item] : v.items()) {
                if (!first) out << comma;
                first = false;
                newline(depth + 1);
                write_string(out, key);
                out << ": ";
                write_value(out, item, layout, depth + 1);
            }
            newline(depth);
            out << '}';
            return;
        }
        case Json::value_t::array: {
            if (v.empty()) {
                out << "[]";
                return;
            }
            out << '[';
            bool first = true;
            for (const auto& item : v) {
                if (!first) out << comma;
                first = false;
                newline(depth + 1);
                write_value(out, item, layout, depth + 1);
            }
            newline(depth);
            out << ']';
            return;
        }
        case Json::value_t::string: write_string(out, v.get_ref<const std::string&>()); return;
        case Json::value_t::number_float: write_number(out, v.get<double>()); return;
        default: out << v.dump(); return;  // null, booleans, integers
    }
}

}  // namespace

void write_json(std::ostream& out, const Json& value, JsonLayout layout) {
    write_value(out, value, layout, 0);
    out << '\n';
}

void print_json(const Json& value, const OutputOptions& options) {
    const bool terminal = ::isatty(STDOUT_FILENO) == 1;
    write_json(std::cout, value, terminal && !options.compact ? JsonLayout::Indented : JsonLayout::OneLine);
}

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        char buf[8];
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c < 0x20 || c == 0x7F) {
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // U+0080..U+009F in UTF-8
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(text[++i]));
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string cell_text(const models::Cell& c) { return c.symbol ? models::symbol_text(c.text) : c.text; }

void print_grid(std::ostream& out, const models::Grid& g) {
    std::vector<std::size_t> width(static_cast<std::size_t>(g.cols()), 0);
    for (int r = 0; r < g.rows(); ++r) {
        for (int c = 0; c < g.cols(); ++c) {
            auto& w = width[static_cast<std::size_t>(c)];
            w = std::max(w, io::utf8_length(cell_text(g.at(c, r))));
        }
    }
    for (int r = 0; r < g.rows(); ++r) {
        std::string line;
        for (int c = 0; c < g.cols(); ++c) {
            const std::string t = cell_text(g.at(c, r));
            const std::size_t w = width[static_cast<std::size_t>(c)];
            if (w == 0) continue;
            line += t + std::string(w - io::utf8_length(t) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (!line.empty()) out << "  " << line << "\n";
    }
}

}  // namespace sidora::cli
