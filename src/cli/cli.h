#pragma once
// Shared pieces of the command-line commands.
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

private:
    std::vector<std::string> args_;
    std::size_t pos_ = 0;
};

int run_time_command(data::AppState& state, Args& args);
int run_places_command(data::AppState& state, Args& args);
int run_positions_command(data::AppState& state, Args& args);
int run_houses_command(data::AppState& state, Args& args);
int run_day_command(data::AppState& state, Args& args);

}  // namespace sidora::cli
