// sidora-cli: the program's models for scripts and tests.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "data/data_dir.h"
#include "data/startup.h"

namespace {

constexpr const char* kUsage =
    "Použití: sidora-cli [--dir ADRESÁŘ] PŘÍKAZ [VOLBY]\n"
    "Příkazy:\n"
    "  time [--at RRRR-MM-DDTHH:MM[:SS]] [--zone 1..24] [--summer auto|yes|no]\n"
    "       [--lat DD:MM(N|S) --lon DDD:MM(E|W)] [--json]\n"
    "  positions [--at RRRR-MM-DDTHH:MM[:SS]] [--zone 1..24] [--summer auto|yes|no] [--json]\n"
    "  day [--at …] [--zone N] [--summer …] [--place NÁZEV | --lat … --lon …] [--tattva-system 0|1] [--json]\n"
    "  houses [--at …] [--zone N] [--summer …] [--place NÁZEV | --lat … --lon …] [--system 1..16] [--json]\n"
    "  sky [--at …] [--zone N] [--summer …] [--place NÁZEV | --lat … --lon …] [--system 1..16] [--json]\n"
    "  places list [--json]\n"
    "  places add NÁZEV --lat DD:MM(N|S) --lon DDD:MM(E|W)\n"
    "  places edit NÁZEV [--name NOVÝ] [--lat DD:MM(N|S)] [--lon DDD:MM(E|W)]\n"
    "  places delete NÁZEV [--yes]\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace sidora;
    std::vector<std::string> all(argv + 1, argv + argc);
    std::optional<std::string> dir;
    std::size_t i = 0;
    try {
        while (i < all.size() && all[i].rfind("--", 0) == 0) {
            if (all[i] == "--dir") {
                if (i + 1 >= all.size()) throw cli::UsageError("u volby --dir chybí hodnota");
                dir = all[i + 1];
                i += 2;
            } else if (all[i] == "--help") {
                std::cout << kUsage;
                return 0;
            } else {
                throw cli::UsageError("neznámá volba „" + all[i] + "“");
            }
        }
        if (i >= all.size()) throw cli::UsageError("chybí příkaz");
        const std::string command = all[i++];
        cli::Args args(std::vector<std::string>(all.begin() + static_cast<long>(i), all.end()));
        using Command = int (*)(data::AppState&, cli::Args&);
        Command run = command == "time"     ? cli::run_time_command
                      : command == "places"    ? cli::run_places_command
                      : command == "positions" ? cli::run_positions_command
                      : command == "houses"    ? cli::run_houses_command
                      : command == "day"       ? cli::run_day_command
                      : command == "sky"       ? cli::run_sky_command
                                            : nullptr;
        if (run == nullptr) throw cli::UsageError("neznámý příkaz „" + command + "“");

        data::AppState state;
        data::start_up(state, {data::resolve_data_dir(dir), data::shipped_data_dir()});
        for (const auto& w : state.startup_warnings) std::cerr << "sidora-cli: " << w << "\n";
        return run(state, args);
    } catch (const cli::UsageError& e) {
        std::cerr << "sidora-cli: " << e.what() << "\n";
        return 2;
    } catch (const data::StartupError& e) {
        std::cerr << "sidora-cli: " << e.message() << "\n";
        // A damaged settings file is left for the window to set aside with the user's consent.
        return e.damaged_settings() ? 1 : 3;
    } catch (const std::exception& e) {
        std::cerr << "sidora-cli: " << e.what() << "\n";
        return 1;
    }
}
