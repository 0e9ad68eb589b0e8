#pragma once
// A numbered run-time error that ends the program during start-up.
#include <stdexcept>
#include <string>

namespace sidora::data {

class StartupError : public std::runtime_error {
public:
    StartupError(int code, std::string file, const std::string& what)
        : std::runtime_error(what), code_(code), file_(std::move(file)) {}
    int code() const { return code_; }
    const std::string& file() const { return file_; }
    // "Běhová chyba 4 (start.mem): ..." as shown to the user.
    std::string message() const {
        return "Běhová chyba " + std::to_string(code_) + " (" + file_ + "): " + what();
    }

private:
    int code_;
    std::string file_;
};

}  // namespace sidora::data
