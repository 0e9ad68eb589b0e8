#pragma once
// The sky search (a body in a range of longitude, an exact aspect of two bodies) and the
// transit search over a natal chart (a range by sign, house or aspect, or the Moon in the
// birth phase): the lines they append to the texts window and the events behind them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "horoscope/chart.h"
#include "tables/choice.h"
#include "tables/ephemeris.h"

namespace sidora::tables {

// A line of the texts window with its type.
struct TextLine {
    std::string text;
    std::uint32_t color = 0x000000;  // RGB
    int size = 14;
    bool bold = false, underline = false;
    enum class Style { Title, Header, Body } style = Style::Body;
    friend bool operator==(const TextLine&, const TextLine&) = default;
};

struct SearchEvent {
    std::string kind;          // "vstup", "vystup", "zacatek", "konec", "aspekt", "faze"
    std::optional<Instant> at;  // none: before or after the span
    std::string bound;         // "before" or "after" when `at` is empty
    double moon_longitude = 0;  // phases
    std::string child;          // phases with the fertility reading: "HOLKA" / "KLUK"
};

struct SearchResult {
    std::string title;
    std::vector<TextLine> lines;
    std::vector<SearchEvent> events;
};

struct SkyQuery {
    Span span;
    int body = 0;  // moving item 0..9
    enum class Mode { Range, Aspect } mode = Mode::Range;
    int from = 0, to = 30;  // degrees, range mode
    // Aspect mode: the aspect's name and angle (codes 1..14), the other body.
    std::string aspect_name;
    int angle = 0;
    int with = 0;
};
// The dialog's message for a refused query (the span, then the two bodies), else empty.
std::string sky_query_problem(const SkyQuery& query);

struct TransitQuery {
    Span span;
    int body = 0;  // transiting item 0..9
    enum class Mode { Aspect, House, Sign, Phase } mode = Mode::Aspect;
    int sign = 1;   // 1..12
    int house = 1;  // 1..12
    int aspect_code = 1;
    std::string aspect_name;
    int angle = 0;
    int natal = 1;  // chart body 1..24
    int orb = 0;    // 0..20
    bool fertility = false;

    // The chart searched.
    std::string person_name;
    bool person_male = true;
    std::array<double, 25> natal_longitude{};  // 1..24 by chart body number
    std::array<double, 13> cusps{};            // houses 1..12 of the person's system, 999 where it fails
};
// The person, longitudes and cusps (in the person's house system) of the chart searched.
void use_chart(TransitQuery& query, const horoscope::NatalChart& chart);
inline constexpr const char* kHousesRefused = "Domy nelze pro místo narození spočítat!";
std::string transit_query_problem(const TransitQuery& query);
// Whether "pro výpočet plodných dní" can be checked.
bool fertility_enabled(TransitQuery::Mode mode, bool person_male);

// "Slunce" … "Chiron" by chart body number 1..24.
const std::string& chart_body_name(int number);

// Searches of checked queries; nothing when stopped.
std::optional<SearchResult> search_sky(engine::Engine& engine, const SkyQuery& query, const TableContext& context,
                                       const Progress& progress = {});
std::optional<SearchResult> search_transit(engine::Engine& engine, const TransitQuery& query,
                                           const TableContext& context, const Progress& progress = {});

}  // namespace sidora::tables
