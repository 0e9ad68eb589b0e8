#include "models/houses_report.h"

#include "engine/angles.h"
#include "engine/frames.h"

namespace sidora::models {

HousesReport compute_houses_report(engine::Engine& e, const engine::Moment& m, int zone_offset,
                                   const data::TMisto& place, int house_system) {
    HousesReport r;
    e.local_sidereal_time(m.day, m.month, m.year, m.hour, m.minute, m.second, place.lon_deg, place.lon_min,
                          place.east != 0, zone_offset, 0);
    r.sidereal_degrees = e.sidereal_degrees;
    e.compute_main_window_bodies(m, zone_offset, 0);
    e.compute_houses(m.day, m.month, m.year, place.lat_deg, place.lat_min, place.north != 0, place.lon_deg,
                     place.lon_min, place.east != 0, zone_offset, 0);
    e.house_of_bodies(house_system);
    r.obliquity = engine::mean_obliquity(m.day, m.month, m.year, 12, 0, 0, zone_offset, 0) * 180.0 / engine::kPi;
    r.table = e.house_table;
    for (int b : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}) r.body_houses.emplace_back(b, e.body_table[b].dum);
    return r;
}

}  // namespace sidora::models
