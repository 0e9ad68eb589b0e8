#pragma once
// A numbered run-time error that ends the program during start-up.
#include <stdexcept>
#include <string>

namespace sidora::data {

class StartupError : public std::runtime_error {
public:
    StartupError(int code, std::string file, const std::string& what)
        : std::runtime_error(what), code_(code), file_(std::move(file)) {}
    // A message that stands on its own (it names the file or directory itself).
    static StartupError whole(const std::string& text) {
        StartupError e(0, "", text);
        e.whole_ = true;
        return e;
    }
    // A settings file the program cannot go on without is damaged; the user may choose to
    // set it aside and start with the defaults.
    static StartupError damaged_settings(int code, std::string file, const std::string& what) {
        StartupError e(code, std::move(file), what);
        e.damaged_ = true;
        return e;
    }
    int code() const { return code_; }
    const std::string& file() const { return file_; }
    bool damaged_settings() const { return damaged_; }
    // "Běhová chyba 4 (start.mem): ..." as shown to the user.
    std::string message() const {
        if (whole_) return what();
        return "Běhová chyba " + std::to_string(code_) + " (" + file_ + "): " + what();
    }

private:
    int code_;
    std::string file_;
    bool whole_ = false;
    bool damaged_ = false;
};

}  // namespace sidora::data
