// sidora-cli search: the sky search (a body in a range, an exact aspect) and the transit
// search over a person's chart, as the lines the texts window receives.
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/options.h"
#include "cli/tables_args.h"
#include "data/persons_store.h"
#include "horoscope/natal.h"
#include "tables/search.h"

namespace sidora::cli {
namespace {

struct SearchOptions {
    SpanOptions span;
    std::string body = "Slunce";
    std::optional<int> sign, house;
    std::optional<std::string> range;
    std::string aspect, with, natal;
    int orb = 0;
    bool phase = false, fertility = false;
    std::string person;
    MomentOptions moment;
    DisplayOptions display;
    OutputOptions out;
};

// "FROM..TO" as the two boxes hold them.
std::pair<std::string, std::string> range_boxes(const std::string& v) {
    const auto dots = v.find("..");
    if (dots == std::string::npos) return {v, ""};
    return {v.substr(0, dots), v.substr(dots + 2)};
}

// Codes 1..14 by number or name ("trigon").
std::optional<int> aspect_code(const data::AspectDefs& defs, const std::string& v) {
    for (int code = 1; code <= 14; ++code) {
        if (v == std::to_string(code) || v == defs[static_cast<std::size_t>(code)].name) return code;
    }
    return std::nullopt;
}

std::string aspect_problem(const std::string& v) {
    return aspect_code(data::make_aspect_defs(), v) ? ""
                                                    : "neznámý aspekt „" + v + "“ (1 až 14 nebo název: konjunkce, sextil, …)";
}

std::optional<int> chart_body(const std::string& v) {
    for (int b = 1; b <= 24; ++b) {
        if (v == std::to_string(b) || v == tables::chart_body_name(b)) return b;
    }
    return std::nullopt;
}

Json result_json(const tables::SearchResult& r, int zone_offset) {
    Json lines = Json::array(), events = Json::array();
    static const char* styles[] = {"title", "header", "body"};
    for (const auto& l : r.lines) {
        lines.push_back({{"text", l.text},
                         {"style", styles[static_cast<int>(l.style)]},
                         {"colour", {(l.color >> 16) & 0xFF, (l.color >> 8) & 0xFF, l.color & 0xFF}},
                         {"size", l.size},
                         {"bold", l.bold},
                         {"underline", l.underline}});
    }
    for (const auto& ev : r.events) {
        Json e = {{"kind", ev.kind}, {"at", ev.at ? tables::iso_minute(*ev.at) : ev.bound}};
        if (ev.kind == "faze") {
            e["moon_longitude"] = ev.moon_longitude;
            e["child"] = ev.child;
        }
        events.push_back(e);
    }
    return {{"title", r.title}, {"zone_offset", zone_offset}, {"lines", lines}, {"events", events}};
}

int print(const std::optional<tables::SearchResult>& r, int zone_offset, const OutputOptions& out) {
    if (out.json) {
        print_json(result_json(*r, zone_offset), out);
    } else {
        for (const auto& l : r->lines) std::cout << printable(l.text) << "\n";
    }
    return 0;
}

int run_sky(data::AppState& state, const SearchOptions& o, bool aspect) {
    tables::SkyQuery q;
    q.span = span_of(o.span);
    if (auto why = tables::span_problem(q.span); !why.empty()) return refuse(why);
    if (!aspect && !o.sign && !o.range) return refuse("Zadejte znamení (--sign) nebo úsek délky (--range).");
    q.body = *moving_body(o.body);
    if (aspect) {
        q.mode = tables::SkyQuery::Mode::Aspect;
        const auto& def = state.aspect_defs[static_cast<std::size_t>(*aspect_code(state.aspect_defs, o.aspect))];
        q.aspect_name = def.name;
        q.angle = def.uhel;
        q.with = *moving_body(o.with);
    } else if (o.sign) {
        q.from = 30 * (*o.sign - 1);
        q.to = q.from + 30;
    } else {
        const auto [from, to] = range_boxes(*o.range);
        if (auto p = tables::range_problem(from, to); !p.message.empty()) return refuse(p.message);
        q.from = std::stoi(from);
        q.to = std::stoi(to);
    }
    if (auto why = tables::sky_query_problem(q); !why.empty()) return refuse(why);
    const tables::TableContext x = table_context(state, o.moment, o.display);
    return print(tables::search_sky(state.engine, q, x, terminal_progress()), x.zone_offset, o.out);
}

int run_transit(data::AppState& state, const SearchOptions& o) {
    const auto person = data::PersonsStore(state.program_dir / data::kPersonsFile).find_person(o.person);
    if (!person) return refuse("Osoba „" + o.person + "“ není v seznamu osob.");
    tables::TransitQuery q;
    q.span = span_of(o.span);
    if (auto why = tables::span_problem(q.span); !why.empty()) return refuse(why);
    if (o.aspect.empty() && !o.house && !o.sign && !o.phase) {
        return refuse("Zadejte aspekt (--aspect a --natal), dům (--house), znamení (--sign) nebo fázi (--phase).");
    }
    q.body = *moving_body(o.body);
    if (o.phase) {
        q.mode = tables::TransitQuery::Mode::Phase;
        q.fertility = o.fertility;
    } else if (o.house) {
        q.mode = tables::TransitQuery::Mode::House;
        q.house = *o.house;
    } else if (o.sign) {
        q.mode = tables::TransitQuery::Mode::Sign;
        q.sign = *o.sign;
    } else {
        q.mode = tables::TransitQuery::Mode::Aspect;
        q.aspect_code = *aspect_code(state.aspect_defs, o.aspect);
        q.aspect_name = state.aspect_defs[static_cast<std::size_t>(q.aspect_code)].name;
        q.angle = state.aspect_defs[static_cast<std::size_t>(q.aspect_code)].uhel;
        q.natal = *chart_body(o.natal);
        q.orb = o.orb;
    }
    const tables::TableContext x = table_context(state, o.moment, o.display);
    try {
        tables::use_chart(q, horoscope::compute_natal(state, *person));
    } catch (const std::runtime_error& e) {
        return refuse(e.what());
    }
    if (auto why = tables::transit_query_problem(q); !why.empty()) return refuse(why);
    return print(tables::search_transit(state.engine, q, x, terminal_progress()), x.zone_offset, o.out);
}

CLI::App* common(Commands& c, CLI::App* parent, const std::string& name, const std::string& help, SearchOptions& o,
                 const std::string& body_help) {
    CLI::App* cmd = c.add(*parent, name, help);
    add_span_options(cmd, o.span);
    cmd->add_option("--body", o.body, body_help)
        ->type_name("Slunce|Měsíc|…|Pluto")
        ->check(czech_check(moving_body_problem));
    return cmd;
}

void finish(CLI::App* cmd, SearchOptions& o) {
    add_moment_options(cmd, o.moment);
    add_display_options(cmd, o.display);
    add_output_options(cmd, o.out);
}

std::string sign_problem(const std::string& v) {
    return v.size() <= 2 && v.find_first_not_of("0123456789") == std::string::npos && !v.empty() &&
                   std::stoi(v) >= 1 && std::stoi(v) <= 12
               ? ""
               : "neplatné číslo „" + v + "“ (1 až 12)";
}

}  // namespace

void add_search_command(Commands& c) {
    CLI::App* search = c.add(c.app(), "search", "Hledání konstelací a tranzitů za období celých měsíců");
    search->require_subcommand(1);

    auto r = std::make_shared<SearchOptions>();
    CLI::App* range = common(c, search, "range", "Kdy těleso vstoupí do znamení nebo úseku délky a kdy z něj vystoupí",
                             *r, "Těleso (jinak Slunce)");
    auto* sign = range->add_option("--sign", r->sign, "Znamení 1 (Beran) až 12 (Ryby)")
                     ->type_name("1..12")
                     ->check(czech_check(sign_problem));
    auto* arc = range->add_option("--range", r->range, "Úsek ekliptikální délky ve stupních, kratší než 180°")
                    ->type_name("OD..DO");
    sign->excludes(arc);
    finish(range, *r);
    c.on_run(range, [r](data::AppState& state) { return run_sky(state, *r, false); });

    auto a = std::make_shared<SearchOptions>();
    CLI::App* aspect = common(c, search, "aspect", "Okamžiky přesného aspektu dvou těles", *a, "První těleso (jinak Slunce)");
    aspect->add_option("--aspect", a->aspect, "Aspekt 1 až 14 nebo jeho název")
        ->type_name("A")
        ->required()
        ->check(czech_check(aspect_problem));
    aspect->add_option("--with", a->with, "Druhé těleso")
        ->type_name("B2")
        ->required()
        ->check(czech_check(moving_body_problem));
    finish(aspect, *a);
    c.on_run(aspect, [a](data::AppState& state) { return run_sky(state, *a, true); });

    auto t = std::make_shared<SearchOptions>();
    CLI::App* transit = common(c, search, "transit", "Tranzity tělesa přes horoskop osoby", *t,
                               "Tranzitující těleso (jinak Slunce)");
    transit->add_option("--person", t->person, "Jméno osoby ze seznamu osob")->type_name("JMÉNO")->required();
    auto* asp = transit->add_option("--aspect", t->aspect, "Aspekt 1 až 14 nebo jeho název")
                    ->type_name("A")
                    ->check(czech_check(aspect_problem));
    auto* natal = transit->add_option("--natal", t->natal, "Nativní těleso 1 až 24 nebo jeho název")
                      ->type_name("N")
                      ->check(czech_check([](const std::string& v) {
                          return chart_body(v) ? "" : "neznámé nativní těleso „" + v + "“ (1 až 24)";
                      }));
    auto* orb = transit->add_option("--orb", t->orb, "Orbis ve stupních (jinak 0)")
                    ->type_name("0..20")
                    ->check(czech_check([](const std::string& v) {
                        const bool digits = !v.empty() && v.size() <= 2 && v.find_first_not_of("0123456789") == std::string::npos;
                        return digits && std::stoi(v) <= 20 ? "" : "neplatný orbis „" + v + "“ (0 až 20)";
                    }));
    auto* house = transit->add_option("--house", t->house, "Dům 1 až 12 v domovém systému osoby")
                      ->type_name("1..12")
                      ->check(czech_check(sign_problem));
    auto* tsign = transit->add_option("--sign", t->sign, "Znamení 1 až 12")->type_name("1..12")->check(czech_check(sign_problem));
    auto* phase = transit->add_flag("--phase", t->phase, "Měsíc ve stejné fázi jako v okamžiku zrození");
    auto* fertility = transit->add_flag("--fertility", t->fertility, "Pro výpočet plodných dní (jen u žen)");
    asp->needs(natal);
    natal->needs(asp);
    orb->needs(asp);
    fertility->needs(phase);
    for (auto* one : {asp, house, tsign, phase}) {
        for (auto* other : {asp, house, tsign, phase}) {
            if (one != other) one->excludes(other);
        }
    }
    finish(transit, *t);
    c.on_run(transit, guarded([t](data::AppState& state) { return run_transit(state, *t); }));
}

}  // namespace sidora::cli
