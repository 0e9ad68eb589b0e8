#include "engine/time.h"

#include <cmath>

namespace sidora::engine {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kSerialOf1970 = 25569;  // serial of 1 January 1970

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::string date_text(int year, int month, int day) {
    return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
}

}  // namespace

bool is_leap_year(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) throw DateError("Neplatný měsíc: " + std::to_string(month));
    return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

std::int64_t date_serial(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > days_in_month(month, year)) {
        throw DateError("Neplatné datum: " + date_text(year, month, day));
    }
    return days_from_civil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
           kSerialOf1970;
}

Date serial_date(std::int64_t serial) {
    // H. Hinnant's civil_from_days.
    const std::int64_t z = serial - kSerialOf1970 + 719468;
    const std::int64_t era = floor_div(z, 146097);
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const auto year = static_cast<int>(y + (m <= 2));
    if (year < 1 || year > 9999) throw DateError("Datum mimo kalendář");
    return {year, static_cast<int>(m), static_cast<int>(d)};
}

double julian_day(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute,
                  unsigned second, int zone_offset, int zone_minutes) {
    if (zone_offset < 0) zone_minutes = -zone_minutes;
    minute += second / 60;
    second %= 60;
    hour += minute / 60;
    minute %= 60;
    std::int64_t serial =
        date_serial(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
    serial += hour / 24;
    hour %= 24;
    const double seconds_of_day = hour * 3600.0 + minute * 60.0 + second;
    return 2415018.5 + static_cast<double>(serial) + seconds_of_day / 86400.0 - zone_offset / 24.0 -
           zone_minutes / 1440.0;
}

double julian_centuries(double jd) { return (jd - 2451545.0) / 36525.0; }

double days_between(int d1, int m1, int y1, int d2, int m2, int y2) {
    return static_cast<double>(date_serial(y2, m2, d2) - date_serial(y1, m1, d1));
}

int day_of_week(int day, int month, int year) {
    const std::int64_t serial = date_serial(year, month, day);
    return static_cast<int>(((serial + 6) % 7 + 7) % 7) + 1;
}

double greenwich_sidereal_time(double T) {
    return 24110.54841 + 8640184.812866 * T + 0.093104 * T * T - 6.2e-6 * T * T * T;
}

double sidereal_rate(double T) {
    return 1.002737909350795 + 5.9006e-11 * T - 5.9e-15 * T * T;
}

SiderealTime compute_local_sidereal_time(unsigned day, unsigned month, unsigned year, unsigned hour,
                                         unsigned minute, unsigned second, int lon_deg, int lon_min,
                                         bool east, int zone_offset, int zone_minutes) {
    const double T =
        julian_centuries(julian_day(day, month, year, hour, minute, second, zone_offset, zone_minutes));
    const auto theta0 = static_cast<std::int64_t>(std::nearbyint(greenwich_sidereal_time(T)));
    const std::int64_t ut_seconds =
        static_cast<std::int64_t>(hour) * 3600 + minute * 60 + second - std::int64_t{zone_offset} * 3600;
    auto lon_seconds =
        static_cast<std::int64_t>(std::nearbyint((lon_deg + lon_min / 60.0) * 3600.0 / 15.0));
    if (!east) lon_seconds = -lon_seconds;
    std::int64_t s = ut_seconds + theta0 + lon_seconds;
    // Into [0, 86400]: the same result as adding or subtracting whole days one at a time.
    if (s < 0) s += ((-s + 86399) / 86400) * 86400;
    if (s > 86400) s -= ((s - 1) / 86400) * 86400;
    SiderealTime out;
    out.degrees = static_cast<double>(s) * 360.0 / 86400.0;
    out.text = std::to_string(s / 3600) + ":" + std::to_string(s / 60 % 60) + ":" +
               std::to_string(s % 60);
    return out;
}

namespace {
void set_date(Moment& m, std::int64_t serial) {
    const Date d = serial_date(serial);
    m.year = static_cast<std::uint16_t>(d.year);
    m.month = static_cast<std::uint16_t>(d.month);
    m.day = static_cast<std::uint16_t>(d.day);
}
}  // namespace

void moment_next_day(Moment& m) { set_date(m, date_serial(m.year, m.month, m.day) + 1); }
void moment_prev_day(Moment& m) { set_date(m, date_serial(m.year, m.month, m.day) - 1); }

namespace {

void keep_day_in_month(Moment& m) {
    const int last = days_in_month(m.month, m.year);
    if (m.day > last) m.day = static_cast<std::uint16_t>(last);
}

void step_year(Moment& m, int by) {
    if (is_leap_year(m.year) && m.month == 2 && m.day == 29) m.day = 28;
    m.year = static_cast<std::uint16_t>(m.year + by);
}

}  // namespace

void moment_next_month(Moment& m) {
    if (++m.month > 12) {
        m.month = 1;
        ++m.year;
    }
    keep_day_in_month(m);
}

void moment_prev_month(Moment& m) {
    if (m.month <= 1) {
        m.month = 12;
        --m.year;
    } else {
        --m.month;
    }
    keep_day_in_month(m);
}

void moment_next_year(Moment& m) { step_year(m, 1); }
void moment_prev_year(Moment& m) { step_year(m, -1); }

void moment_next_hour(Moment& m) {
    if (++m.hour == 24) {
        m.hour = 0;
        moment_next_day(m);
    }
}

void moment_prev_hour(Moment& m) {
    if (m.hour == 0) {
        m.hour = 23;
        moment_prev_day(m);
    } else {
        --m.hour;
    }
}

void moment_next_minute(Moment& m) {
    if (++m.minute == 60) {
        m.minute = 0;
        moment_next_hour(m);
    }
}

void moment_prev_minute(Moment& m) {
    if (m.minute == 0) {
        m.minute = 59;
        moment_prev_hour(m);
    } else {
        --m.minute;
    }
}

}  // namespace sidora::engine
