#pragma once
// Obliquity, precession and the frame conversions the position routines share.
// Radians throughout; the zone of the moment is passed in, never read from elsewhere.
namespace sidora::engine {

inline constexpr double kTwoPi = 6.28318530717958647692;

// Mean obliquity of the ecliptic (IAU 1976) at a zone-time moment, radians.
double mean_obliquity(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute,
                      unsigned second, int zone_offset, int zone_minutes);
// General precession in longitude from 1 January 2000 to the date, radians (years of 365 days).
double precession_since_2000(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes);

// Arc sine and arc cosine of a ratio that rounding pushed past ±1: clamped to the nearest end.
double safe_asin(double x);
double safe_acos(double x);

// An angle 0..2π from its cosine and sine ratios (cos by arccos, the sine only for the half):
// the sine's sign picks A or 2π − A; a sine of exactly 0 keeps A, so the negative x axis is π.
double angle_from_cos_sin(double c, double s);

struct Spherical {
    double lon;  // 0..2π
    double lat;
    double dist;
};
// Rectangular ecliptic to longitude, latitude and distance by the rule above.
Spherical spherical_from_rect(double x, double y, double z);

// Declination of an ecliptic position.
double declination_of(double lon, double lat, double eps);

struct Equatorial {
    double ra, dec;
};
Equatorial ecliptic_rect_to_equatorial(double x, double y, double z, double eps);
// Ecliptic longitude and latitude of an equatorial position.
Spherical equatorial_to_ecliptic(double ra, double dec, double eps);

// Into [0, 2π) and [0, 360); a full turn itself becomes 0. Not-a-number passes through.
double normalize_rad(double x);
double normalize_deg(double x);

}  // namespace sidora::engine
