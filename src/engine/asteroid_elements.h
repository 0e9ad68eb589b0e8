#pragma once
// One osculating element set of an asteroid.
namespace sidora::engine {

struct AsteroidElements {
    double epoch = 0;  // Julian day
    int year = 0;      // year of the node's equinox
    double mean_anomaly = 0, perihelion_arg = 0, node = 0, inclination = 0;  // degrees
    double eccentricity = 0;
    double daily_motion = 0;  // degrees per day
};

}  // namespace sidora::engine
