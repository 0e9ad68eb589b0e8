#include "cli/usage.h"

#include <iostream>

namespace sidora::cli {
namespace {

std::string after(const std::string& s, const std::string& marker) {
    const auto p = s.find(marker);
    return p == std::string::npos ? s : s.substr(p + marker.size());
}

std::string before(const std::string& s, const std::string& marker) {
    const auto p = s.find(marker);
    return p == std::string::npos ? s : s.substr(0, p);
}

std::string in_quotes(const std::string& s) { return "„" + s + "“"; }

// The innermost command the line named.
const CLI::App* named_command(const CLI::App& app) {
    const CLI::App* command = &app;
    while (!command->get_subcommands().empty()) command = command->get_subcommands().front();
    return command;
}

void each_command(CLI::App& app, const std::function<void(CLI::App&)>& f) {
    f(app);
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) each_command(*sub, f);
}

void each_command(const CLI::App& app, const std::function<void(const CLI::App&)>& f) {
    f(app);
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) each_command(*sub, f);
}

// Columns counted in characters, not bytes, so Czech option values line up.
class CzechFormatter : public CLI::Formatter {
public:
    // An argument goes by its Czech placeholder (NÁZEV), which CLI11 cannot take as a name.
    std::string make_option_name(const CLI::Option* opt, bool is_positional) const override {
        if (is_positional && !opt->get_type_name().empty()) return opt->get_type_name();
        return CLI::Formatter::make_option_name(opt, is_positional);
    }
    std::string make_option_opts(const CLI::Option* opt) const override {
        if (opt->get_positional()) return opt->get_required() ? " " + get_label("REQUIRED") : "";
        return CLI::Formatter::make_option_opts(opt);
    }

    std::string make_option(const CLI::Option* opt, bool is_positional) const override {
        const std::string name = "  " + make_option_name(opt, is_positional) + make_option_opts(opt);
        std::size_t chars = 0;
        for (const char c : name) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        const std::size_t width = get_column_width();
        std::string out = name;
        out += chars >= width ? "\n" + std::string(width, ' ') : std::string(width - chars, ' ');
        for (const char c : make_option_desc(opt)) {
            out += c;
            if (c == '\n') out += std::string(width, ' ');
        }
        return out + "\n";
    }
};

}  // namespace

void make_czech(CLI::App& app) {
    auto f = std::make_shared<CzechFormatter>();
    f->label("Usage", "Použití");
    f->label("OPTIONS", "VOLBY");
    f->label("SUBCOMMAND", "PŘÍKAZ");
    f->label("SUBCOMMANDS", "PŘÍKAZY");
    f->label("Positionals", "Argumenty");
    f->label("Subcommands", "Příkazy");
    f->label("REQUIRED", "povinné");
    f->label("Needs", "potřebuje");
    f->label("Excludes", "vylučuje");
    f->column_width(34);
    app.formatter(f);
    app.option_defaults()->group("Volby");
    app.set_help_flag("-h,--help", "Vypíše nápovědu a skončí");
}

void refuse_option_words(CLI::App& app) {
    each_command(app, [](CLI::App& command) {
        for (CLI::Option* option : command.get_options()) {
            if (option->get_type_size_max() == 0 || option->get_positional()) continue;
            option->check(CLI::Validator(
                [](std::string& v) {
                    return v.size() > 2 && v.rfind("--", 0) == 0 ? "chybí hodnota (následuje " + in_quotes(v) + ")"
                                                                 : std::string();
                },
                ""));
        }
    });
}

std::optional<std::string> repeated_option(const CLI::App& app) {
    std::optional<std::string> found;
    each_command(app, [&found](const CLI::App& command) {
        for (const CLI::Option* option : command.get_options()) {
            if (!found && !option->get_positional() && option->count() > 1) {
                found = option->get_name() + ": zadáno vícekrát";
            }
        }
    });
    return found;
}

std::string usage_message(const CLI::ParseError& e, const CLI::App& app) {
    const std::string what = e.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
        // CLI11 lists the unexpected words last first; name the first option among them.
        std::vector<std::string> words;
        for (std::string rest = after(what, ": "); !rest.empty();) {
            words.push_back(before(rest, " "));
            rest = rest.find(' ') == std::string::npos ? "" : after(rest, " ");
        }
        for (auto w = words.rbegin(); w != words.rend(); ++w) {
            if (w->size() > 1 && (*w)[0] == '-') return "neznámá volba " + in_quotes(*w);
        }
        return "nečekaný argument " + in_quotes(words.empty() ? what : words.back());
    }
    if (dynamic_cast<const CLI::ValidationError*>(&e) != nullptr) return what;
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
        const std::string option = before(what, ":");
        if (what.find("missing") != std::string::npos) return option + ": chybí hodnota";
        if (what.find("At Most") != std::string::npos) return option + ": zadáno vícekrát";
        return option + ": nesprávný počet hodnot";
    }
    if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
        const CLI::App* command = named_command(app);
        if (what.rfind("A subcommand", 0) == 0) {
            const auto rest = command->remaining();
            if (!rest.empty() && rest.front()[0] != '-') return "neznámý příkaz " + in_quotes(rest.front());
            return "chybí příkaz";
        }
        // A missing argument is named by its description in the command that lacks it.
        const std::string missing = before(what, " is required");
        const CLI::Option* option = command->get_option_no_throw(missing);
        return "chybí " + (option && option->get_positional() ? option->get_description() : missing);
    }
    if (dynamic_cast<const CLI::RequiresError*>(&e) != nullptr) {
        return before(what, " requires ") + ": zadává se spolu s " + after(what, " requires ");
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&e) != nullptr) {
        return before(what, " excludes ") + ": nelze zadat spolu s " + after(what, " excludes ");
    }
    if (dynamic_cast<const CLI::ConversionError*>(&e) != nullptr) return "neplatná hodnota (" + what + ")";
    return "chybný příkazový řádek (" + what + ")";
}

std::optional<int> parse_command_line(CLI::App& app, int argc, char** argv, const std::string& program,
                                      const std::string& version) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::CallForVersion&) {
        std::cout << program << " " << version << "\n";
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr << program << ": " << usage_message(e, app) << "\n";
        return 2;
    }
    if (const auto repeated = repeated_option(app)) {
        std::cerr << program << ": " << *repeated << "\n";
        return 2;
    }
    return std::nullopt;
}

}  // namespace sidora::cli
