#pragma once
// Shared pieces of the command-line commands.
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/app_state.h"

namespace sidora::cli {

// A bad command-line argument: one line on stderr, exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Arguments of one command after its name; takes options off the front one by one.
class Args {
public:
    explicit Args(std::vector<std::string> args) : args_(std::move(args)) {}
    bool empty() const { return pos_ >= args_.size(); }
    const std::string& peek() const { return args_[pos_]; }
    std::string next() { return args_[pos_++]; }
    // The value following an option, or a UsageError naming the option.
    std::string value_of(const std::string& option) {
        if (empty()) throw UsageError("u volby " + option + " chybí hodnota");
        return next();
    }
    // A whole number lo..hi following an option; `what` names it in the error.
    int int_value_of(const std::string& option, int lo, int hi, const std::string& what) {
        const std::string v = value_of(option);
        int n = lo - 1;
        try {
            std::size_t used = 0;
            n = std::stoi(v, &used);
            if (used != v.size()) n = lo - 1;
        } catch (const std::exception&) {
        }
        if (n < lo || n > hi) {
            throw UsageError("neplatné " + what + " „" + v + "“ (" + std::to_string(lo) + " až " + std::to_string(hi) + ")");
        }
        return n;
    }

private:
    std::vector<std::string> args_;
    std::size_t pos_ = 0;
};

// A refusal: the program's Czech message on stderr, status 1.
inline int refuse(const std::string& message) {
    std::cerr << message << "\n";
    return 1;
}

int run_time_command(data::AppState& state, Args& args);
int run_places_command(data::AppState& state, Args& args);
int run_positions_command(data::AppState& state, Args& args);
int run_houses_command(data::AppState& state, Args& args);
int run_day_command(data::AppState& state, Args& args);
int run_sky_command(data::AppState& state, Args& args);

}  // namespace sidora::cli
