#pragma once
// Angle units and the program's notation of angles, clock times and names.
// All texts are UTF-8; the marks are the degree sign, the acute accent for minutes
// and the quotation mark for seconds.
#include <string>

namespace sidora::engine {

inline constexpr double kPi = 3.14159265358979323846;

// Radians of degrees + minutes + seconds; any part may carry the whole value or a fraction.
double dms_to_rad(double degrees, double minutes, double seconds);

// An angle in degrees as the windows show it. signed_: "+"/"-" prefix (else one space);
// zodiacal: degrees within the sign with the sign's abbreviation; with_seconds: seconds too.
// Every part is truncated, never rounded.
std::string format_angle(bool signed_, bool zodiacal, bool with_seconds, double value);
// An angle in radians as degrees, minutes and seconds, unpadded (orbital elements).
std::string format_angle_rad(bool signed_, double value);

// The value rounded to the given decimals with a decimal comma and thousands separated by
// a no-break space, as the Czech locale writes numbers.
std::string format_number(int decimals, double value);

// Hours as "h:mm", reduced into 0..24. Minutes that round to 60 carry into the hour.
std::string hours_to_hhmm(double hours);

// The 4-character sign abbreviation (" BE " ...) of a whole degree 0..359; for other values
// `out` is left as it was.
void sign_abbrev(int degree, std::string& out);

// Names; an index out of range gives an empty text.
const std::string& sign_name(int sign);          // 1..12, nominative
const std::string& sign_name_locative(int sign);  // 1..12, "v Beranu" ...
const std::string& month_name(int month);         // 1..12, genitive
const std::string& weekday_name(int day);         // 1..7, 1 = Sunday

// Whether a lies on the shorter arc between b and c (ends included); false when any is -1.
bool angle_in_arc(double a, double b, double c);

}  // namespace sidora::engine
