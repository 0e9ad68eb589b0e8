// The one JSON printer of sidora-cli and the escaping of names for a terminal.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "cli/output.h"

using sidora::cli::Json;
using sidora::cli::JsonLayout;

namespace {

std::string written(const Json& v, JsonLayout layout) {
    std::ostringstream out;
    sidora::cli::write_json(out, v, layout);
    return out.str();
}

}  // namespace

TEST(JsonPrinter, OneLineKeepsOrderAndShortestNumbers) {
    const Json v = {{"jd", 2451545.0},
                    {"zone_offset", -5},
                    {"sidereal_degrees", 294.87916666666666},
                    {"summer", false},
                    {"tiny", 1e-300},
                    {"names", Json::array({"Praha", "Brno"})},
                    {"empty", Json::object()},
                    {"none", Json::array()}};
    EXPECT_EQ(written(v, JsonLayout::OneLine),
              "{\"jd\": 2451545, \"zone_offset\": -5, \"sidereal_degrees\": 294.87916666666666, \"summer\": false, "
              "\"tiny\": 1e-300, \"names\": [\"Praha\", \"Brno\"], \"empty\": {}, \"none\": []}\n");
}

TEST(JsonPrinter, IndentedIsTheSameValue) {
    const Json v = {{"a", 1}, {"b", Json::array({0.5, "x"})}, {"c", {{"d", true}}}};
    const std::string text = written(v, JsonLayout::Indented);
    EXPECT_EQ(text, "{\n  \"a\": 1,\n  \"b\": [\n    0.5,\n    \"x\"\n  ],\n  \"c\": {\n    \"d\": true\n  }\n}\n");
    EXPECT_EQ(Json::parse(text), v);
}

TEST(JsonPrinter, NeverEmitsWhatIsNotJson) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        Json value;
        const char* text;
    } cases[] = {
        {Json(std::nan("")), "null"},
        {Json(inf), "null"},
        {Json(-inf), "null"},
        {Json("Br\xff" "no"), "\"Br\xef\xbf\xbdno\""},          // a stray byte becomes U+FFFD
        {Json("\xc3"), "\"\xef\xbf\xbd\""},                      // a cut sequence too
        {Json("a\"b\\c\n\x1b"), "\"a\\\"b\\\\c\\n\\u001b\""},  // escapes, control characters
        {Json("Žluťoučký kůň"), "\"Žluťoučký kůň\""},
    };
    for (const auto& c : cases) {
        const std::string text = written(c.value, JsonLayout::OneLine);
        EXPECT_EQ(text, std::string(c.text) + "\n");
        EXPECT_TRUE(Json::accept(text)) << text;
    }
}

TEST(Printable, EscapesEveryControlCharacterAndNothingElse) {
    const struct {
        const char* raw;
        const char* shown;
    } cases[] = {
        {"Praha", "Praha"},
        {"Hradec Králové", "Hradec Králové"},
        {"a\nb\rc\td", "a\\nb\\rc\\td"},
        {"\x1b[2J", "\\x1b[2J"},
        {"x\x7fy", "x\\x7fy"},
        {"x\xc2\x81y\xc2\x9f", "x\\u0081y\\u009f"},
        {"x\xc2\xa0y", "x\xc2\xa0y"},  // a no-break space is printable
        {"C:\\", "C:\\\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(sidora::cli::printable(c.raw), c.shown) << c.raw;
}
