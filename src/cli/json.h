#pragma once
// A minimal JSON writer for the command line's output.
#include <charconv>
#include <string>
#include <string_view>

namespace sidora::cli {

inline std::string json_string(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    static const char* hex = "0123456789abcdef";
                    out += "\\u00";
                    out += hex[(c >> 4) & 0xF];
                    out += hex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

// Shortest text that reads back as the same double.
inline std::string json_number(double v) {
    char buf[32];
    const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, p) : "null";
}

// Builds one object: {"key": value, ...}
class JsonObject {
public:
    JsonObject& raw(std::string_view key, const std::string& value) {
        body_ += (body_.empty() ? "" : ", ") + json_string(key) + ": " + value;
        return *this;
    }
    JsonObject& str(std::string_view key, std::string_view v) { return raw(key, json_string(v)); }
    JsonObject& num(std::string_view key, double v) { return raw(key, json_number(v)); }
    JsonObject& integer(std::string_view key, long v) { return raw(key, std::to_string(v)); }
    JsonObject& boolean(std::string_view key, bool v) { return raw(key, v ? "true" : "false"); }
    std::string text() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

}  // namespace sidora::cli
