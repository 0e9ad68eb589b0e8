// sidora-cli partner: the partner horoscope of two stored persons, as the partner window
// computes and shows it, and its report.
#include <iostream>
#include <memory>

#include "cli/cli.h"
#include "cli/cycles_options.h"
#include "cli/options.h"
#include "data/data_dir.h"
#include "data/partner_report_flags.h"
#include "data/startup.h"
#include "horoscope/interpretation.h"
#include "horoscope/natal.h"
#include "horoscope/partner.h"
#include "io/files.h"
#include "models/partner_report.h"
#include "models/partner_window.h"
#include "models/rtf.h"
#ifdef SIDORA_RENDER
#include "cli/report_pdf.h"
#include "cli/texts_output.h"
#endif

namespace sidora::cli {
namespace {

struct PartnerOptions {
    std::string person, partner;
    std::optional<std::string> flags, rtf, pdf;
    OutputOptions output;
};

std::size_t at(int i) { return static_cast<std::size_t>(i); }

template <std::size_t N>
Json numbers(const std::array<std::uint8_t, N>& a) {
    Json j = Json::array();
    for (auto v : a) j.push_back(v);
    return j;
}

Json count_json(const horoscope::CountTables& c) {
    return {{"kvalita_znameni", numbers(c.kvalita_znameni)}, {"kvalita_domy", numbers(c.kvalita_domy)},
            {"zivel_znameni", numbers(c.zivel_znameni)},     {"zivel_domy", numbers(c.zivel_domy)},
            {"polarita_znameni", numbers(c.polarita_znameni)}, {"polarita_domy", numbers(c.polarita_domy)},
            {"vychod_zapad", numbers(c.vychod_zapad)}};
}

Json grid_rows(const models::Grid& g) {
    Json rows = Json::array();
    for (int r = 0; r < g.rows(); ++r) {
        Json row = Json::array();
        for (int c = 0; c < g.cols(); ++c) row.push_back(g.at(c, r).text);
        rows.push_back(row);
    }
    return rows;
}

int run_partner(data::AppState& state, const PartnerOptions& o) {
    // A fresh data directory holds the delivered partner texts still packed.
    if (o.flags) install_pending_texts(state);
    std::string why;
    const auto first_person = person_named(state, o.person, why);
    if (!first_person) return refuse(why);
    const auto second_person = person_named(state, o.partner, why);
    if (!second_person) return refuse(why);
    data::PartnerReportFlags flags{};
    if (o.flags) {
        flags = *data::parse_partner_report_flags(*o.flags);
        // As "N&astav": the checks are stored first, and a failure stops the report.
        try {
            data::save_partner_report_flags(state.program_dir, flags);
        } catch (const io::FileError& e) {
            return refuse(e.what());
        }
    }
    horoscope::NatalChart first;
    horoscope::PartnerChart p;
    try {
        first = horoscope::compute_natal(state, *first_person);
        p = horoscope::compute_partner(state, first, *second_person);
    } catch (const std::invalid_argument& e) {
        return refuse(e.what());
    }
    const bool zodiacal = state.astro.zodiacal_notation != 0;
    std::optional<models::PartnerReport> report;
    if (o.flags) {
        report.emplace(first, p, horoscope::text_directory(state.program_dir, horoscope::kPartnerTextDir),
                       state.aspect_defs, state.orbs, zodiacal);
        report->build(flags);
    }
    if (o.rtf) {
        if (!report) return refuse("--rtf: zadává se spolu s --report");
        try {
            io::replace_file(*o.rtf, models::write_rtf(report->doc()));
        } catch (const io::FileError& e) {
            return refuse(e.what());
        }
        for (const auto& w : report->warnings()) std::cerr << w << "\n";
        return 0;
    }
    if (o.pdf) {
        if (!report) return refuse("--pdf: zadává se spolu s --report");
#ifdef SIDORA_RENDER
        if (!save_document_pdf(report->doc(), *o.pdf)) return refuse("Soubor „" + *o.pdf + "“ nelze zapsat.");
        for (const auto& w : report->warnings()) std::cerr << w << "\n";
        return 0;
#else
        return refuse("Tato sestava neumí PDF.");
#endif
    }
    const models::PartnerView v = models::partner_view(first, p, state.aspect_defs, zodiacal, {});
    if (o.output.json) {
        Json j;
        j["counts"] = {{"first", count_json(p.first_counts)}, {"second", count_json(p.second_counts)}};
        Json grids;
        grids["celkova_shoda"] = v.celkova_shoda;
        for (const auto& [name, g] : v.grids()) grids[name] = grid_rows(*g);
        j["grids"] = grids;
        Json bodies = Json::array();
        for (int b = 1; b <= horoscope::kChartBodies; ++b) {
            const auto& row = p.second.chart_table[at(b)];
            bodies.push_back({{"body", b},
                              {"longitude", row.longitude},
                              {"sign", row.znameni},
                              {"house", row.dum},
                              {"house_in_first", p.body_houses[at(b)]}});
        }
        j["bodies"] = bodies;
        Json cusps = Json::array();
        for (int k = 1; k <= 16; ++k)
            cusps.push_back({{"value", p.second.houses()[at(k - 1)]}, {"house_in_first", p.cusp_houses[at(k)]}});
        j["cusps"] = cusps;
        j["both_houses_ok"] = p.both_houses_ok ? 1 : 0;
        Json aspects = Json::array();
        for (int a = 1; a <= horoscope::kChartBodies; ++a)
            for (int b = 1; b <= horoscope::kChartBodies; ++b) {
                const auto& c = p.aspects[at(a)][at(b)];
                if (c.kod != 0) aspects.push_back({{"a", a}, {"b", b}, {"kod", c.kod}, {"odchylka", c.odchylka}});
            }
        j["aspects"] = aspects;
        if (report) {
            const Json d = report_json(report->doc(), report->lookups(), report->warnings());
            j["lines"] = d["lines"];
            j["lookups"] = d["lookups"];
            j["warnings"] = d["warnings"];
        }
        print_json(j, o.output);
        return 0;
    }
    if (report) {
        for (const auto& w : report->warnings()) std::cerr << w << "\n";
        for (const auto& l : report->doc().lines()) std::cout << l.text << "\n";
        return 0;
    }
    std::cout << "Osoba 1: " << v.name1 << "\nOsoba 2: " << v.name2 << "\nCelková shoda: " << v.celkova_shoda << "\n";
    for (const auto& [name, g] : v.grids()) {
        std::cout << "\n" << name << "\n";
        for (int r = 0; r < g->rows(); ++r) {
            for (int c = 0; c < g->cols(); ++c) std::cout << (c ? "\t" : "") << g->at(c, r).text;
            std::cout << "\n";
        }
    }
    return 0;
}

}  // namespace

void add_partner_command(Commands& commands) {
    auto o = std::make_shared<PartnerOptions>();
    CLI::App* cmd = commands.add(commands.app(), "partner",
                                 "Partnerský horoskop dvou uložených osob, jak ho ukazuje okno Partnerský horoskop, "
                                 "a jeho výklad");
    cmd->add_option("--person", o->person, "1. osoba ze seznamu osob")->type_name("JMÉNO")->required();
    cmd->add_option("--partner", o->partner, "2. osoba ze seznamu osob")->type_name("JMÉNO")->required();
    cmd->add_option_function<std::string>("--report", [o](const std::string& v) { o->flags = v; },
                                          "Výklad: čtyři zaškrtnutí výběru (0/1), uloží se do stavpar.mem")
        ->type_name("BITS4")
        ->check(czech_check([](const std::string& v) {
            return data::parse_partner_report_flags(v) ? std::string()
                                                       : "neplatný výběr „" + v + "“ (čtyři číslice 0 nebo 1)";
        }));
    auto* rtf = cmd->add_option_function<std::string>("--rtf", [o](const std::string& v) { o->rtf = v; },
                                                      "Uloží výklad jako RTF do souboru")
                    ->type_name("SOUBOR");
    auto* pdf = cmd->add_option_function<std::string>("--pdf", [o](const std::string& v) { o->pdf = v; },
                                                      "Uloží výklad jako PDF do souboru")
                    ->type_name("SOUBOR");
    add_output_options(cmd, o->output);
    for (auto* file : {rtf, pdf}) {
        file->excludes(cmd->get_option("--json"));
        file->needs(cmd->get_option("--report"));
    }
    rtf->excludes(pdf);
    commands.on_run(cmd, guarded([o](data::AppState& state) { return run_partner(state, *o); }));
}

}  // namespace sidora::cli
