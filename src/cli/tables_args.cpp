#include "cli/tables_args.h"

#include <unistd.h>

#include <iostream>

#include "tables/choice.h"

namespace sidora::cli {
namespace {

std::optional<std::pair<int, int>> parse_year_month(const std::string& v) {
    if (v.size() != 7 || v[4] != '-') return std::nullopt;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u}) {
        if (v[i] < '0' || v[i] > '9') return std::nullopt;
    }
    const int year = std::stoi(v.substr(0, 4)), month = std::stoi(v.substr(5, 2));
    if (month < 1 || month > 12) return std::nullopt;
    return std::pair{year, month};
}

std::string year_month_problem(const std::string& v) {
    const auto ym = parse_year_month(v);
    if (!ym) return "neplatný měsíc „" + v + "“ (očekáváno RRRR-MM)";
    if (ym->first < kYearMin || ym->first > kYearMax) {
        return "měsíc „" + v + "“ leží mimo roky " + std::to_string(kYearMin) + " až " + std::to_string(kYearMax);
    }
    return "";
}

// Lower case without the Czech diacritics, spaces as dashes, no dots.
std::string folded(const std::string& text) {
    static const std::pair<const char*, char> marks[] = {
        {"á", 'a'}, {"č", 'c'}, {"ď", 'd'}, {"é", 'e'}, {"ě", 'e'}, {"í", 'i'}, {"ň", 'n'}, {"ó", 'o'},
        {"ř", 'r'}, {"š", 's'}, {"ť", 't'}, {"ú", 'u'}, {"ů", 'u'}, {"ý", 'y'}, {"ž", 'z'}, {"Č", 'c'},
        {"Š", 's'}, {"Ž", 'z'}, {"Ř", 'r'}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool mark = false;
        for (const auto& [utf8, plain] : marks) {
            const std::string m = utf8;
            if (text.compare(i, m.size(), m) == 0) {
                out += plain;
                i += m.size();
                mark = true;
                break;
            }
        }
        if (mark) continue;
        const char ch = text[i++];
        if (ch == '.') continue;
        out += ch == ' ' ? '-' : static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    }
    while (!out.empty() && out.back() == '-') out.pop_back();
    return out;
}

}  // namespace

void add_span_options(CLI::App* cmd, SpanOptions& o) {
    cmd->add_option("--from", o.from, "První měsíc období")
        ->type_name("RRRR-MM")
        ->required()
        ->check(czech_check(year_month_problem))
        ->group("Období");
    cmd->add_option("--to", o.to, "Poslední měsíc období")
        ->type_name("RRRR-MM")
        ->required()
        ->check(czech_check(year_month_problem))
        ->group("Období");
}

tables::Span span_of(const SpanOptions& o) {
    const auto a = parse_year_month(o.from), b = parse_year_month(o.to);
    return {a->second, a->first, b->second, b->first};
}

std::optional<int> moving_body(const std::string& name) {
    const std::string f = folded(name);
    for (int i = 0; i < tables::kMovingBodies; ++i) {
        if (folded(tables::body_name(i)) == f) return i;
    }
    return std::nullopt;
}

std::optional<int> list_body(const std::string& name) {
    const std::string f = folded(name);
    for (int i = 0; i < tables::kListBodies; ++i) {
        if (folded(tables::list_body_name(i)) == f || folded(tables::list_body_header(i)) == f) return i;
    }
    return std::nullopt;
}

std::string moving_body_problem(const std::string& name) {
    return moving_body(name) ? "" : "neznámé těleso „" + name + "“ (Slunce, Měsíc, Merkur … Pluto)";
}

void add_display_options(CLI::App* cmd, DisplayOptions& o) {
    auto yes_no = czech_check([](const std::string& v) {
        return v == "yes" || v == "no" ? "" : "neplatná hodnota „" + v + "“ (yes nebo no)";
    });
    cmd->add_option_function<std::string>(
           "--zodiacal", [&o](const std::string& v) { o.zodiacal = v == "yes"; },
           "Délky ve znameních (jinak podle nastavení)")
        ->type_name("yes|no")
        ->check(yes_no)
        ->group("Zobrazení");
    cmd->add_option_function<std::string>(
           "--seconds", [&o](const std::string& v) { o.seconds = v == "yes"; },
           "Úhly s vteřinami (jinak podle nastavení)")
        ->type_name("yes|no")
        ->check(yes_no)
        ->group("Zobrazení");
}

tables::TableContext table_context(data::AppState& state, const MomentOptions& moment, const DisplayOptions& d) {
    const ChosenMoment m = choose(moment, state);
    tables::TableContext x;
    x.zone_offset = m.zone_offset(state.engine);
    x.place = state.current_place;
    x.zodiacal = d.zodiacal.value_or(state.astro.zodiacal_notation != 0);
    x.seconds = d.seconds.value_or(state.astro.angle_seconds != 0);
    return x;
}

tables::Progress terminal_progress() {
    if (!::isatty(STDERR_FILENO)) return {};
    return [](int value, int maximum, const std::string& caption) {
        std::cerr << "\r" << caption << "  " << value << "/" << maximum << "   " << std::flush;
        if (value >= maximum) std::cerr << "\r\033[K" << std::flush;
        return true;
    };
}

}  // namespace sidora::cli
