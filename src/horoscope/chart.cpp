#include "horoscope/chart.h"

#include <cmath>

namespace sidora::horoscope {

double normalize(double lon) {
    double r = std::fmod(lon, 360.0);
    if (r < 0) r += 360;
    return r >= 360 ? 0 : r;  // fmod of a tiny negative value can round up to 360
}

double arc_distance(double l1, double l2) {
    double d = std::fabs(l1 - l2);
    while (d > 180) d = std::fabs(d - 360);
    return d;
}

int traditional_ruler(int sign) {
    static constexpr std::array<int, 13> kRulers{0, kMars, kVenuse, kMerkur, kMesic, kSlunce, kMerkur,
                                                 kVenuse, kMars, kJupiter, kSaturn, kSaturn, kJupiter};
    return sign >= 1 && sign <= 12 ? kRulers[static_cast<std::size_t>(sign)] : 0;
}

}  // namespace sidora::horoscope
