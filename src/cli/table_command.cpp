// sidora-cli table: the four tables of the table window, as text, JSON, the saved lines or
// the saved file.
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/cli.h"
#include "cli/options.h"
#include "cli/tables_args.h"
#include "data/table_file.h"
#include "tables/ephemeris.h"

namespace sidora::cli {
namespace {

struct TableOptions {
    tables::TableKind kind = tables::TableKind::RiseSet;
    SpanOptions span;
    std::string body = "Slunce";
    std::string bodies = "all";
    MomentOptions moment;
    PlaceOptions place;
    DisplayOptions display;
    OutputOptions out;
    bool csv = false;
    std::optional<std::string> file;
};

std::string bodies_problem(const std::string& v) {
    if (v == "all") return "";
    std::stringstream in(v);
    std::string name;
    while (std::getline(in, name, ',')) {
        if (!list_body(name)) return "neznámé těleso „" + name + "“ (Slunce … Pluto, Vzestupný uzel … Chiron)";
    }
    return "";
}

Json body_json(const engine::TBodyRow& r, bool detailed) {
    Json j = {{"longitude", r.longitude}, {"retrograde", r.retrograde != 0}};
    if (detailed) {
        j["latitude"] = r.latitude;
        j["declination"] = r.declination;
        j["speed"] = r.speed;
    }
    return j;
}

std::string iso_date(const tables::Instant& d) { return tables::iso_minute(d).substr(0, 10); }

Json table_json(const tables::EphemerisTable& t, tables::TableKind kind, int zone_offset) {
    Json columns = Json::array(), rows = Json::array();
    for (const auto& c : t.columns) columns.push_back({{"header", c.header}, {"width", c.width}});
    for (std::size_t r = 1; r < t.rows.size(); ++r) rows.push_back(t.rows[r]);
    Json j = {{"caption", t.caption}, {"label1", t.label1},     {"label2", t.label2},
              {"columns", columns},   {"rows", rows},           {"last_row_index", t.last_row_index},
              {"zone_offset", zone_offset}};
    const bool detailed = kind == tables::TableKind::Detailed;
    if (kind == tables::TableKind::Detailed || kind == tables::TableKind::Simple) {
        Json days = Json::array();
        for (const auto& d : t.days) {
            Json bodies = Json::array();
            for (std::size_t i = 0; i < d.bodies.size(); ++i) {
                Json b = body_json(d.bodies[i], detailed);
                b["name"] = tables::list_body_header(t.items[i]);
                bodies.push_back(b);
            }
            Json day = {{"date", iso_date(d.date)}, {"bodies", bodies}};
            if (detailed) day["note"] = d.note;
            days.push_back(day);
        }
        j["days"] = days;
    }
    if (kind == tables::TableKind::Phases) {
        static const char* keys[] = {"new_moon", "first_quarter", "full_moon", "last_quarter"};
        Json lunations = Json::array();
        for (const auto& l : t.lunations) {
            Json one = {{"number", l.number}};
            for (std::size_t k = 0; k < 4; ++k) {
                one[keys[k]] = l.phases[k] ? Json(tables::iso_minute(*l.phases[k])) : Json(nullptr);
            }
            lunations.push_back(one);
        }
        j["lunations"] = lunations;
    }
    return j;
}

void print_text(const tables::EphemerisTable& t) {
    std::cout << t.caption << "\n" << t.label1 << "\n" << t.label2 << "\n";
    for (int r = 0; r <= t.last_row_index; ++r) {
        const auto& row = t.rows[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < row.size(); ++c) std::cout << (c ? "\t" : "") << printable(row[c]);
        std::cout << "\n";
    }
}

int run(data::AppState& state, const TableOptions& o) {
    std::string why;
    const auto place = choose(o.place, state, why);
    if (!place) return refuse(why);
    state.current_place = *place;
    tables::TableChoice c;
    c.kind = o.kind;
    c.span = span_of(o.span);
    c.body = moving_body(o.body).value_or(0);
    if (o.bodies == "all") {
        c.bodies.fill(true);
    } else {
        std::stringstream in(o.bodies);
        std::string name;
        while (std::getline(in, name, ',')) c.bodies[static_cast<std::size_t>(*list_body(name))] = true;
    }
    if (auto problem = tables::table_choice_problem(c); !problem.empty()) return refuse(problem);
    const tables::TableContext x = table_context(state, o.moment, o.display);
    std::optional<tables::EphemerisTable> t;
    try {
        t = tables::compute_table(state.engine, c, x, terminal_progress());
    } catch (const std::runtime_error& e) {
        return refuse(e.what());
    }
    if (o.file) {
        if (auto failed = data::save_table_file(*o.file, t->rows, t->last_row_index); !failed.empty()) {
            return refuse(failed);
        }
        std::cout << data::table_saved_message(*o.file) << "\n";
    } else if (o.csv) {
        std::cout << data::table_file_text(t->rows, t->last_row_index);
    } else if (o.out.json) {
        print_json(table_json(*t, c.kind, x.zone_offset), o.out);
    } else {
        print_text(*t);
    }
    return 0;
}

void add_kind(Commands& c, CLI::App* table, tables::TableKind kind, const std::string& name, const std::string& help) {
    auto o = std::make_shared<TableOptions>();
    o->kind = kind;
    CLI::App* cmd = c.add(*table, name, help);
    add_span_options(cmd, o->span);
    if (kind == tables::TableKind::RiseSet || kind == tables::TableKind::Detailed) {
        cmd->add_option("--body", o->body, "Těleso (jinak Slunce)")
            ->type_name("Slunce|Měsíc|…|Pluto")
            ->check(czech_check(moving_body_problem));
    }
    if (kind == tables::TableKind::Simple) {
        cmd->add_option("--bodies", o->bodies, "Tělesa sloupců, čárkou oddělená (jinak všech 18)")
            ->type_name("all|B,…")
            ->check(czech_check(bodies_problem));
    }
    add_place_options(cmd, o->place);
    add_moment_options(cmd, o->moment);
    add_display_options(cmd, o->display);
    add_output_options(cmd, o->out);
    auto* csv = cmd->add_flag("--csv", o->csv, "Řádky uloženého souboru v UTF-8")->group("Výstup");
    auto* out = cmd->add_option("--out", o->file, "Uloží tabulku do souboru jako „Ulož“ (Windows-1250, ;, CR LF)")
                    ->type_name("SOUBOR")
                    ->group("Výstup");
    csv->excludes(out);
    csv->excludes("--json");
    out->excludes("--json");
    c.on_run(cmd, guarded([o](data::AppState& state) { return run(state, *o); }));
}

}  // namespace

void add_table_command(Commands& c) {
    CLI::App* table = c.add(c.app(), "table", "Tabulky za období celých měsíců: východy a západy, efemeridy, fáze Měsíce");
    table->require_subcommand(1);
    add_kind(c, table, tables::TableKind::RiseSet, "rise-set", "Východy, kulminace a západy jednoho tělesa po dnech");
    add_kind(c, table, tables::TableKind::Detailed, "detailed",
             "Efemeridy detailní: délka, směr, šířka, deklinace, rychlost a poznámky o znameních a zastávkách");
    add_kind(c, table, tables::TableKind::Simple, "simple", "Efemeridy jednoduché: délky vybraných těles po dnech");
    add_kind(c, table, tables::TableKind::Phases, "phases", "Fáze Měsíce po lunacích");
}

}  // namespace sidora::cli
