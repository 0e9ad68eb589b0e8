#include "models/positions_report.h"

#include <map>

#include "engine/angles.h"
#include "engine/frames.h"

namespace sidora::models {

const std::string& body_name(int number) {
    static const std::map<int, std::string> kNames = {
        {-1, "Měsíc"},  {0, "Slunce"},  {1, "Merkur"},          {2, "Venuše"},         {3, "Mars"},
        {4, "Jupiter"}, {5, "Saturn"},  {6, "Uran"},            {7, "Neptun"},         {8, "Pluto"},
        {9, "Vzestupný uzel"},          {10, "Sestupný uzel"},  {11, "ASC"},           {12, "MC"},
        {13, "Černá Luna"},             {14, "Vertex"},         {15, "Antivertex"},    {16, "Ceres"},
        {17, "Pallas"}, {18, "Juno"},   {19, "Vesta"},          {20, "Chiron"},
    };
    static const std::string kNone;
    const auto it = kNames.find(number);
    return it == kNames.end() ? kNone : it->second;
}

PositionsReport compute_positions(engine::Engine& e, const engine::Moment& m, int zone_offset) {
    e.compute_main_window_bodies(m, zone_offset, 0);
    for (int n = 1; n <= 5; ++n) e.asteroid_positions(n, m.year, m.month, m.day, m.hour, m.minute, m.second, zone_offset, 0);

    PositionsReport r;
    r.jd = engine::julian_day(m.day, m.month, m.year, m.hour, m.minute, m.second, zone_offset, 0);
    r.zone_offset = zone_offset;
    for (int b : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 16, 17, 18, 19, 20}) {
        r.bodies.push_back({b, body_name(b), e.body_table[b]});
    }
    constexpr double kDeg = 180.0 / engine::kPi;
    for (const auto& h : e.helio_table) {
        r.helio.push_back({engine::normalize_deg(h.longitude * kDeg), h.latitude * kDeg, h.r,
                           h.helio_distance_text, h.geo_distance_text});
    }
    r.sun_distance_text = e.sun_distance_text;
    r.moon_distance_km = e.moon_distance;
    r.moon_elongation = e.moon_elongation;
    r.moon_waxing = e.moon_waxing != 0;
    r.moon_phase_text = e.moon_phase_text;
    r.moon_age_text = e.moon_age_text;
    r.asteroid_quality = e.asteroid_quality;
    return r;
}

}  // namespace sidora::models
