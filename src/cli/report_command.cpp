// sidora-cli report: the natal report of a stored person, and texts: the interpretation library.
#include <fstream>
#include <iterator>

#include "cli/cli.h"
#include "cli/cycles_options.h"
#include "cli/options.h"
#include "data/data_dir.h"
#include "data/report_flags.h"
#include "data/startup.h"
#include "horoscope/interpretation.h"
#include "horoscope/natal.h"
#include "io/files.h"
#include "models/natal_report.h"
#include "models/report_selection.h"
#include "models/rtf.h"
#ifdef SIDORA_RENDER
#include "cli/report_pdf.h"
#include "cli/texts_output.h"
#endif

namespace sidora::cli {
namespace {

struct ReportOptions {
    std::string person;
    std::optional<std::string> flags, rtf, pdf;
    OutputOptions output;
};

int run_report(data::AppState& state, const ReportOptions& o) {
    install_pending_texts(state);
    std::string why;
    const auto person = person_named(state, o.person, why);
    if (!person) return refuse(why);
    horoscope::NatalChart chart;
    try {
        chart = horoscope::compute_natal(state, *person);
    } catch (const std::invalid_argument& e) {
        return refuse(e.what());
    }
    // As "N&astav": the boxes are stored first, and a failure stops the report.
    models::BuiltReport report;
    if (o.flags) {
        auto built = models::confirm_selection(state, chart, *data::parse_report_flags(*o.flags));
        if (const auto* refusal = std::get_if<std::string>(&built)) return refuse(*refusal);
        report = std::move(std::get<models::BuiltReport>(built));
    } else {
        report = models::build_report(state, chart, data::load_report_flags(state.program_dir));
    }
    const auto& doc = report.doc;
    if (o.rtf) {
        try {
            io::replace_file(*o.rtf, models::write_rtf(doc));
        } catch (const io::FileError& e) {
            return refuse(e.what());
        }
        for (const auto& w : report.warnings) std::cerr << w << "\n";
        return 0;
    }
    if (o.pdf) {
#ifdef SIDORA_RENDER
        if (!save_document_pdf(doc, *o.pdf)) return refuse("Výklad nelze uložit do " + printable(*o.pdf) + ".");
        for (const auto& w : report.warnings) std::cerr << w << "\n";
        return 0;
#else
        return refuse("Tento program netiskne (sestaven bez Qt).");
#endif
    }
    if (o.output.json) {
        const Json j = report_json(doc, report.lookups, report.warnings);
        print_json(j, o.output);
        return 0;
    }
    for (const auto& w : report.warnings) std::cerr << w << "\n";
    for (const auto& l : doc.lines()) std::cout << l.text << "\n";
    return 0;
}

struct TextsOptions {
    std::string kind;
    std::vector<int> numbers;
    std::string file;
    bool yes = false;
};

std::filesystem::path library(const data::AppState& state, const std::string& kind) {
    return horoscope::text_directory(state.program_dir,
                                     kind == "partner" ? horoscope::kPartnerTextDir : horoscope::kNatalTextDir);
}

// A file name of the library, nothing that leaves its directory.
std::optional<int> bad_file(const std::string& file) {
    if (file.empty() || file.find('/') != std::string::npos || file == "." || file == "..")
        return refuse("Neplatný název výkladu „" + file + "“.");
    return std::nullopt;
}

int run_name(const TextsOptions& o) {
    if (o.numbers.size() != 7) return refuse("Zadejte sedm čísel: P Z D A Q Y E.");
    const auto& n = o.numbers;
    std::variant<horoscope::TConstellation, std::string> r;
    if (o.kind == "natal") {
        // As the editor's lists: body 1..24 or 25..32 for its house entries 2, 3, 5 …
        const int planet = n[0] - 1;
        if (planet < 0 || planet > 31 || n[1] < 0 || n[1] > 12 || n[2] < 0 || n[2] > 12 || n[3] < 0 || n[3] > 18 ||
            n[4] < 1 || n[4] > 24 || n[5] < 0 || n[5] > 12 || n[6] < 0 || n[6] > 12)
            return refuse("Číslo mimo rozsah seznamu editoru.");
        r = horoscope::natal_choice_constellation({planet, n[1], n[2], n[3], n[4] - 1, n[5], n[6]});
    } else {
        if (n[0] < 0 || n[0] > 24 || n[1] < 0 || n[1] > 12 || n[2] < 0 || n[2] > 12 || n[3] < 0 || n[3] > 18 ||
            n[4] < 0 || n[4] > 24 || n[5] < 0 || n[5] > 12 || n[6] < 0 || n[6] > 12)
            return refuse("Číslo mimo rozsah seznamu editoru.");
        r = horoscope::partner_choice_constellation({n[0], n[1], n[2], n[3], n[4], n[5], n[6]});
    }
    if (const auto* why = std::get_if<std::string>(&r)) return refuse(*why);
    const auto& c = std::get<horoscope::TConstellation>(r);
    std::cout << (o.kind == "natal" ? horoscope::natal_text_name(c) : horoscope::partner_text_name(c)) << "\n";
    return 0;
}

int run_get(const data::AppState& state, const TextsOptions& o) {
    if (auto bad = bad_file(o.file)) return *bad;
    install_pending_texts(state);
    const auto lines = horoscope::read_text(library(state, o.kind) / o.file);
    if (!lines) return refuse("Výklad nenalezen");
    for (const auto& l : *lines) std::cout << l << "\n";
    return 0;
}

int run_put(const data::AppState& state, const TextsOptions& o) {
    if (auto bad = bad_file(o.file)) return *bad;
    install_pending_texts(state);
    std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.empty()) return refuse("Prázdný výklad se neukládá.");
    if (auto why = horoscope::save_text(library(state, o.kind) / o.file, text)) return refuse(*why);
    return 0;
}

int run_delete(const data::AppState& state, const TextsOptions& o) {
    if (auto bad = bad_file(o.file)) return *bad;
    install_pending_texts(state);
    const auto path = library(state, o.kind) / o.file;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return refuse("Výklad nenalezen");
    if (auto refused = refused_deletion("Opravdu chceš navždy vymazat tento výklad?", o.yes, "Výklad zůstává."))
        return *refused;
    if (auto why = horoscope::delete_text(path)) return refuse(*why);
    return 0;
}

CLI::Validator kind_check() {
    return czech_check([](const std::string& v) {
        return v == "natal" || v == "partner" ? std::string() : "neznámý druh výkladů „" + v + "“ (natal nebo partner)";
    });
}

}  // namespace

void add_report_command(Commands& commands) {
    auto o = std::make_shared<ReportOptions>();
    CLI::App* cmd = commands.add(commands.app(), "report", "Výklad nativního horoskopu osoby ze seznamu osob");
    cmd->add_option("--person", o->person, "Osoba ze seznamu osob")->type_name("JMÉNO")->required();
    cmd->add_option_function<std::string>("--flags", [o](const std::string& v) { o->flags = v; },
                                          "Deset zaškrtnutí výběru (0/1), uloží se do stav.mem")
        ->type_name("BITS10")
        ->check(czech_check([](const std::string& v) {
            return data::parse_report_flags(v) ? std::string() : "neplatný výběr „" + v + "“ (deset číslic 0 nebo 1)";
        }));
    auto* rtf = cmd->add_option_function<std::string>("--rtf", [o](const std::string& v) { o->rtf = v; },
                                                      "Uloží výklad jako RTF do souboru")
                    ->type_name("SOUBOR");
    auto* pdf = cmd->add_option_function<std::string>("--pdf", [o](const std::string& v) { o->pdf = v; },
                                                      "Vytiskne výklad do souboru PDF (A4)")
                    ->type_name("SOUBOR");
    add_output_options(cmd, o->output);
    rtf->excludes(cmd->get_option("--json"));
    pdf->excludes(cmd->get_option("--json"));
    pdf->excludes(rtf);
    commands.on_run(cmd, guarded([o](data::AppState& state) { return run_report(state, *o); }));

    auto t = std::make_shared<TextsOptions>();
    CLI::App* texts = commands.add(commands.app(), "texts", "Knihovna výkladů: názvy, čtení, zápis a mazání");
    texts->require_subcommand(1);
    auto sub = [&](const char* name, const char* help) {
        CLI::App* s = texts->add_subcommand(name, help);
        s->set_help_flag("-h,--help", "Vypíše nápovědu k příkazu a skončí");
        return s;
    };
    CLI::App* name = sub("name", "Název souboru výkladu, jak jej tvoří editor");
    name->add_option("kind", t->kind, "natal nebo partner")->type_name("DRUH")->required()->check(kind_check());
    name->add_option("numbers", t->numbers, "Sedm čísel seznamů editoru: P Z D A Q Y E")
        ->type_name("ČÍSLO")->required()->expected(7);
    commands.on_run(name, [t](data::AppState&) { return run_name(*t); });
    for (const char* verb : {"get", "put", "delete"}) {
        CLI::App* s = sub(verb, verb == std::string("get")   ? "Vypíše výklad"
                                : verb == std::string("put") ? "Uloží výklad ze standardního vstupu (UTF-8)"
                                                             : "Smaže výklad");
        s->add_option("kind", t->kind, "natal nebo partner")->type_name("DRUH")->required()->check(kind_check());
        s->add_option("file", t->file, "Název souboru výkladu")->type_name("SOUBOR")->required();
        const std::string v = verb;
        if (v == "delete") s->add_flag("--yes", t->yes, "Smaže bez ptaní");
        commands.on_run(s, guarded([t, v](data::AppState& state) {
            return v == "get" ? run_get(state, *t) : v == "put" ? run_put(state, *t) : run_delete(state, *t);
        }));
    }
    CLI::App* install = sub("install", "Nainstaluje dodané výklady znovu; upravené výklady zůstanou");
    commands.on_run(install, guarded([](data::AppState& state) {
        data::deliver_texts(state.program_dir, data::shipped_data_dir(), true);
        install_pending_texts(state);
        return 0;
    }));
}

}  // namespace sidora::cli
