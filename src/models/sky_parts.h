#pragma once
// The pieces of one sky-calendar tick, by tab. Each reads the engine as the tick left it.
#include <array>
#include <string>

#include "data/app_state.h"
#include "models/day_report.h"
#include "models/sky_calendar.h"

namespace sidora::models::sky {

using Instant = engine::Engine::Instant;

// ---- Time tab and header.
// Local apparent solar time "h:m:s" at the place's longitude.
std::string true_solar_time(const engine::Moment& m, int zone_offset, int zone_minutes, const data::TMisto& place);
// "Jaro", "Léto", "Podzim", "Zima" from the Sun's apparent longitude; the halves swap south.
std::string season_name(double sun_longitude, bool north);
// The ten city clocks from the zone-time clock.
std::array<std::string, 10> world_clocks(unsigned hour, unsigned minute, unsigned second, int zone_offset);
struct YearLeft {
    long long days, hours, minutes, seconds;
    int day_of_year;
};
YearLeft time_left_in_year(const engine::Moment& m);
// "Dnes je pondělí 5. ledna, 5. den roku 2004." while the clock runs, else "5. ledna 2004, pondělí".
std::string date_line(const engine::Moment& m, bool clock_running);
void fill_time_tab(SkyView& v, engine::Engine& e, const engine::Moment& m, int zone_offset, int zone_minutes,
                   const data::TMisto& place);

// ---- Instants of the day refresh.
// "d.m.yyyy, h:mm" and the suffix.
std::string instant_text(const Instant& i, const std::string& suffix);
// Bold on yellow when the instant falls on the shown date, else regular on aqua.
void mark_instant(Cell& c, const Instant& i, const engine::Moment& shown);
void fill_day_cells(SkyView& v, const DayReport& d, const engine::Moment& m, const std::string& zone_text,
                    bool seconds);

// ---- Sun and Moon tabs, every tick.
std::array<MoonSpan, 51> moon_spans(double elongation, bool waxing);
void fill_sun_moon_tabs(SkyView& v, const engine::Engine& e, bool seconds);

// ---- Planets, astrology and houses.
void fill_planet_tabs(SkyView& v, const engine::Engine& e, const data::AstroMem& notation, int house_system);

// ---- Tattvas: names, colours, times and the current period.
void fill_tattva_tab(SkyView& v, const engine::Engine& e, int first_tattva, bool available);

}  // namespace sidora::models::sky
