// sidora-cli biorhythm: the table of the biorhythm window and its partner comparison.
#include <ctime>

#include "cli/cli.h"
#include "cli/cycles_options.h"
#include "cli/options.h"
#include "data/persons_store.h"
#include "engine/time.h"
#include "io/cp1250.h"
#include "models/biorhythm_window.h"

namespace sidora::cli {

std::optional<BirthDate> parse_birth(const std::string& v, bool with_time) {
    const auto digits = [](const std::string& s, std::size_t n) -> std::optional<int> {
        if (s.size() != n || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
        return std::stoi(s);
    };
    BirthDate b;
    const std::string date = v.substr(0, std::min<std::size_t>(v.size(), 10));
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
    const auto y = digits(date.substr(0, 4), 4), m = digits(date.substr(5, 2), 2), d = digits(date.substr(8, 2), 2);
    if (!y || !m || !d) return std::nullopt;
    b.year = *y, b.month = *m, b.day = *d;
    if (b.month < 1 || b.month > 12 || b.day < 1 || b.day > engine::days_in_month(b.month, b.year)) return std::nullopt;
    if (v.size() == 10) return b;
    if (!with_time || v.size() != 16 || v[10] != 'T' || v[13] != ':') return std::nullopt;
    const auto h = digits(v.substr(11, 2), 2), mi = digits(v.substr(14, 2), 2);
    if (!h || !mi || *h > 23 || *mi > 59) return std::nullopt;
    b.hour = *h, b.minute = *mi, b.has_time = true;
    return b;
}

CLI::Validator birth_check(bool with_time) {
    return czech_check([with_time](const std::string& v) {
        if (parse_birth(v, with_time)) return std::string();
        return "neplatné datum „" + v + "“ (očekáváno " + (with_time ? "RRRR-MM-DD[THH:MM]" : "RRRR-MM-DD") + ")";
    });
}

std::optional<data::TOsoba> person_named(const data::AppState& state, const std::string& name, std::string& why) {
    const auto person = data::PersonsStore(state.program_dir / data::kPersonsFile).find_person(name);
    if (!person) why = "Osoba „" + printable(name) + "“ v seznamu není!";
    return person;
}

namespace {

struct BioOptions {
    std::optional<std::string> person, birth, sex, name, from, partner, partner_birth;
    OutputOptions output;
};

data::TOsoba inline_person(const std::string& birth, const std::string& name, bool male) {
    const auto b = *parse_birth(birth, false);
    data::TOsoba p;
    p.name = name;
    p.male = male ? 1 : 0;
    p.year = b.year, p.month = static_cast<std::uint8_t>(b.month), p.day = static_cast<std::uint8_t>(b.day);
    return p;
}

cycles::CivilDate today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string iso(const cycles::CivilDate& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

int run(data::AppState& state, const BioOptions& o) {
    std::string why;
    data::TOsoba person;
    if (o.person) {
        const auto p = person_named(state, *o.person, why);
        if (!p) return refuse(why);
        person = *p;
    } else {
        person = inline_person(*o.birth, o.name.value_or(""), o.sex.value_or("m") == "m");
    }
    if (!cycles::year_in_range(person.year)) return refuse(cycles::year_range_message());
    const cycles::CivilDate from = o.from ? [&] {
        const auto b = *parse_birth(*o.from, false);
        return cycles::CivilDate{b.year, b.month, b.day};
    }() : today();
    if (!cycles::year_in_range(from.year)) return refuse("Datum „" + iso(from) + "“ leží mimo roky 1800 až 2100.");
    const auto table = models::bio_table(person, from);
    if (!table) return refuse(cycles::kBeforeBirth);

    std::optional<cycles::Comparison> comparison;
    if (o.partner || o.partner_birth) {
        data::TOsoba partner;
        if (o.partner) {
            const auto p = person_named(state, *o.partner, why);
            if (!p) return refuse(why);
            partner = *p;
        } else {
            partner = inline_person(*o.partner_birth, "", true);
        }
        if (!cycles::year_in_range(partner.year)) return refuse(cycles::year_range_message());
        comparison = cycles::compare(models::birth_of(person), models::birth_of(partner));
    }

    if (o.output.json) {
        Json j;
        j["name"] = person.name;
        j["birth"] = iso(models::birth_of(person));
        j["from"] = iso(from);
        Json rows = Json::array();
        for (int r = 1; r <= 30; ++r) {
            const auto& row = table->rows[static_cast<std::size_t>(r - 1)];
            rows.push_back({{"date", iso(row.date)},
                            {"age", row.age},
                            {"f", row.positions[0]},
                            {"e", row.positions[1]},
                            {"i", row.positions[2]},
                            {"marks", std::string{row.marks[0], row.marks[1], row.marks[2]}},
                            {"child", table->grid.at(5, r).text}});
        }
        j["rows"] = rows;
        if (comparison) {
            Json c;
            c["days"] = comparison->days;
            c["rows"] = Json::array();
            for (const auto& h : comparison->rows)
                c["rows"].push_back({{"cycle", h.cycle}, {"percent", h.percent}, {"text", h.text}});
            j["comparison"] = c;
        }
        print_json(j, o.output);
        return 0;
    }
    std::cout << table->caption << "\n" << "Narozen: " << table->birth_text << "\n\n";
    char line[128];
    std::snprintf(line, sizeof line, "%-11s %6s  F E I  %s\n", "Datum", "Stáří", "Dítě");
    std::cout << line;
    for (int r = 1; r <= 30; ++r) {
        const auto& row = table->rows[static_cast<std::size_t>(r - 1)];
        std::snprintf(line, sizeof line, "%-11s %5d  %c %c %c  %s\n", row.date_text.c_str(), row.age, row.marks[0],
                      row.marks[1], row.marks[2], table->grid.at(5, r).text.c_str());
        std::cout << line;
    }
    if (comparison) {
        std::cout << "\nPartnerské porovnání biorytmů (" << comparison->days << " dní)\n";
        for (const auto& h : comparison->rows) {
            std::cout << h.cycle << ": " << std::string(14 - std::min<std::size_t>(14, io::utf8_length(h.cycle)), ' ')
                      << h.text << "\n";
        }
    }
    return 0;
}

}  // namespace

void add_biorhythm_command(Commands& commands) {
    auto o = std::make_shared<BioOptions>();
    CLI::App* cmd = commands.add(commands.app(), "biorhythm", "Biorytmy osoby na 30 dní a partnerské porovnání");
    const char* group = "Osoba";
    auto* person = cmd->add_option_function<std::string>("--person", [o](const std::string& v) { o->person = v; },
                                                         "Osoba ze seznamu osob")
                       ->type_name("JMÉNO")->group(group);
    auto* birth = cmd->add_option_function<std::string>("--birth", [o](const std::string& v) { o->birth = v; },
                                                        "Datum narození osoby, která v seznamu není")
                      ->type_name("RRRR-MM-DD")->check(birth_check(false))->group(group);
    auto* sex = cmd->add_option_function<std::string>("--sex", [o](const std::string& v) { o->sex = v; },
                                                      "Pohlaví m nebo f (výchozí m)")
                    ->type_name("m|f")
                    ->check(czech_check([](const std::string& v) {
                        return v == "m" || v == "f" ? std::string() : "neplatné pohlaví „" + v + "“ (m nebo f)";
                    }))->group(group);
    auto* name = cmd->add_option_function<std::string>("--name", [o](const std::string& v) { o->name = v; },
                                                       "Jméno v záhlaví tabulky")
                     ->type_name("TEXT")->group(group);
    person->excludes(birth);
    sex->needs(birth);
    name->needs(birth);
    cmd->add_option_function<std::string>("--from", [o](const std::string& v) { o->from = v; },
                                          "Počítej od data (výchozí dnes)")
        ->type_name("RRRR-MM-DD")->check(birth_check(false));
    auto* partner = cmd->add_option_function<std::string>("--partner", [o](const std::string& v) { o->partner = v; },
                                                          "Partner ze seznamu osob")
                        ->type_name("JMÉNO")->group("Partner");
    auto* partner_birth = cmd->add_option_function<std::string>(
                                 "--partner-birth", [o](const std::string& v) { o->partner_birth = v; },
                                 "Datum narození partnera")
                              ->type_name("RRRR-MM-DD")->check(birth_check(false))->group("Partner");
    partner->excludes(partner_birth);
    add_output_options(cmd, o->output);
    commands.on_run(cmd, guarded([o](data::AppState& state) {
        if (!o->person && !o->birth) return refuse("Zadejte osobu volbou --person nebo datum narození volbou --birth.");
        return run(state, *o);
    }));
}

}  // namespace sidora::cli
