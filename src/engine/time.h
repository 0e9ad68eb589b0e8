#pragma once
// Calendar, Julian day and sidereal time. The calendar is the proleptic Gregorian one;
// a day serial counts days from 30 December 1899 (serial 0). The theories take universal
// time as their time argument: every Julian day here is one of universal time.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace sidora::engine {

// A civil date and clock time in zone time.
struct Moment {
    std::uint16_t day = 1, month = 1, year = 2000, hour = 0, minute = 0, second = 0;
    friend bool operator==(const Moment&, const Moment&) = default;
};

// A date that does not exist in the calendar (31 April, month 13, year 0).
class DateError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

inline constexpr int year_min = 1800;
inline constexpr int year_max = 2100;

bool is_leap_year(int year);
// 28..31; month must be 1..12 (DateError otherwise).
int days_in_month(int month, int year);
// Serial of a date; DateError for a date outside 1.1.1 .. 31.12.9999 or not in the calendar.
std::int64_t date_serial(int year, int month, int day);
struct Date {
    int year, month, day;
};
Date serial_date(std::int64_t serial);

// Julian day of universal time of a zone-time moment (day first). Overflowing seconds,
// minutes and hours carry upward; zone_minutes takes the sign of zone_offset.
double julian_day(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute,
                  unsigned second, int zone_offset, int zone_minutes);
// Julian centuries since J2000.0.
double julian_centuries(double jd);

// serial(y2, m2, d2) - serial(y1, m1, d1).
double days_between(int d1, int m1, int y1, int d2, int m2, int y2);

// 1 = Sunday ... 7 = Saturday.
int day_of_week(int day, int month, int year);

// Greenwich mean sidereal time at 0h of T's day plus its excess, in seconds (IAU 1982),
// not reduced.
double greenwich_sidereal_time(double T);
// Ratio of sidereal to solar time.
double sidereal_rate(double T);

struct SiderealTime {
    double degrees = 0;  // 0..360
    std::string text;    // "h:m:s", no leading zeros
};
// Local mean sidereal time of a moment at a longitude (degrees and minutes, east flag).
SiderealTime compute_local_sidereal_time(unsigned day, unsigned month, unsigned year, unsigned hour,
                                         unsigned minute, unsigned second, int lon_deg, int lon_min,
                                         bool east, int zone_offset, int zone_minutes);

// Steps of a moment with carry through hours, days, months and years. No year limits.
void moment_next_day(Moment& m);
void moment_prev_day(Moment& m);
// A month on or back; a day beyond the new month's length becomes its last day.
void moment_next_month(Moment& m);
void moment_prev_month(Moment& m);
// A year on or back; 29 February becomes the 28th.
void moment_next_year(Moment& m);
void moment_prev_year(Moment& m);
void moment_next_hour(Moment& m);
void moment_prev_hour(Moment& m);
void moment_next_minute(Moment& m);
void moment_prev_minute(Moment& m);

}  // namespace sidora::engine
