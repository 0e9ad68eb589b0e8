#pragma once
// The engine's program-wide values and tables. One instance is shared by the windows that
// share the tables; each routine overwrites its results and callers read them right after.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/asteroid_elements.h"
#include "engine/body_table.h"
#include "engine/time.h"
#include "engine/zones.h"

namespace sidora::engine {

inline constexpr double kNoCusp = 999;  // a cusp its system cannot give here

// 16 systems × (cusps 1..12, ASC, MC, DSC, IC), degrees.
using HouseTable = std::array<std::array<double, 16>, 16>;
// Every system for a sidereal time (degrees), latitude (degrees, north positive) and
// obliquity (radians); the quadrant systems only when `quadrants` and the place allows them.
// sun, moon and node are the longitudes the equal systems start from.
HouseTable house_systems(double ramc, double phi, double eps, bool quadrants, double sun, double moon, double node);

// Names of the house systems 0..15.
const std::string& house_system_name(int index);

// Right ascension of an ecliptic position (radians) by the two candidates arccos and arcsin.
double right_ascension(double lon, double lat, double decl, double eps);

// The sixty period starts of a day from sunrise S and sunset (hours), each rounded to a
// minute from the previous one, brought into 0..24 at the end.
std::array<double, 60> tattva_starts(double sunrise, double sunset, int system);

// The Moon's phase text ("+90°0´ (1. čtvrť)") and age text ("7,38 dní") of an elongation.
std::string moon_phase_text_of(double elongation, bool waxing);
std::string moon_age_text_of(double elongation, bool waxing);

class Engine {
public:
    Engine();

    // Sidereal time of the last local_sidereal_time call.
    double sidereal_degrees = 0;
    std::string sidereal_text;
    void local_sidereal_time(unsigned day, unsigned month, unsigned year, unsigned hour,
                             unsigned minute, unsigned second, int lon_deg, int lon_min, bool east,
                             int zone_offset, int zone_minutes);

    // Summer-time rules for 1916..2100, the first 115 from the rule file.
    std::vector<TLetniRok> summer_rules;
    // The description written by the last summer_time_in_effect that wrote one.
    std::string summer_text;
    // Replaces the rules of 1916..2030 and makes 2031..2100 "not introduced".
    void set_summer_rules(const std::vector<TLetniRok>& file_years);
    // Whether summer time is in force at a local date and whole hour; writes summer_text.
    bool summer_time_in_effect(int year, int month, int day, int hour);

    // Offset of local clock time from universal time for a zone, summer hour included:
    // by the rule table when auto_summer, else by the user's summer_flag.
    struct ZoneOffset {
        int hours;
        bool summer;
    };
    ZoneOffset zone_offset_of(int zone_index, bool auto_summer, bool summer_flag, int year,
                              int month, int day, int hour);

    // Horizon used by the Sun's rising and setting.
    std::uint8_t rise_mode = 2;
    // -1 = all planets.
    int planet_selection = -1;

    // ---- Positions. Each routine takes the zone-time moment year first and overwrites
    // its rows; callers read them right after the call.
    BodyTable body_table;
    std::array<HelioRecord, 9> helio_table;
    double last_jd = 0;  // Julian day of the last pass of the last position routine

    // The Sun.
    std::array<double, 3> sun_xyz{};  // geocentric, AU, fixed frame of 2000
    double sun_lambda = 0;            // degrees
    double sun_lambda_rad = 0;        // radians as left by the month rule (may exceed 2π)
    double sun_beta_rad = 0;
    std::string sun_distance_text;
    void compute_sun(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                     unsigned second, int zone_offset, int zone_minutes);

    // The Moon, its nodes and the Black Moon; needs sun_lambda of the same moment.
    double moon_lambda = 0, moon_beta = 0;  // degrees
    double moon_distance = 0;               // km
    double moon_distance_ratio = 0;
    std::string moon_distance_text;
    double moon_elongation = 0;  // 0..180 degrees
    std::uint8_t moon_waxing = 0;
    std::string moon_phase_text, moon_age_text;
    void compute_moon(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                      unsigned second, int zone_offset, int zone_minutes);

    // The planets; each but Venus recomputes the Sun in every pass.
    double planet_lambda = 0, planet_beta = 0, planet_decl = 0;  // degrees
    void compute_mercury(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                         unsigned second, int zone_offset, int zone_minutes);
    void compute_venus(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                       unsigned second, int zone_offset, int zone_minutes);
    void compute_mars(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                      unsigned second, int zone_offset, int zone_minutes);
    void compute_jupiter(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                         unsigned second, int zone_offset, int zone_minutes);
    void compute_saturn(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                        unsigned second, int zone_offset, int zone_minutes);
    void compute_uranus(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                        unsigned second, int zone_offset, int zone_minutes);
    void compute_neptune(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                         unsigned second, int zone_offset, int zone_minutes);
    void compute_pluto(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                       unsigned second, int zone_offset, int zone_minutes);
    // Geocentric position of planet 1..7 from its elements; fills planet_lambda/beta/decl,
    // the row's distance and the heliocentric record.
    void orbit_from_elements(int planet, double a, double lambda, double k, double h, double q,
                             double p, double precession, double obliquity);

    // The constant correction that turns a computed longitude into the one shown (not the Moon).
    void apparent_correction(int body);

    // Calling orders. Main window: Sun, Moon, planets, correction of 1..8, the Sun again and
    // its correction. Natal chart: the same once, then correction of 0..8. Table workers:
    // one body and its correction (none for the Moon).
    void compute_main_window_bodies(const Moment& m, int zone_offset, int zone_minutes);
    void compute_natal_bodies(const Moment& m, int zone_offset, int zone_minutes);
    void compute_table_body(int body, const Moment& m, int zone_offset, int zone_minutes);

    // The asteroids 1..5 (Ceres, Pallas, Juno, Vesta, Chiron) from their element sets.
    std::array<std::vector<AsteroidElements>, 6> asteroid_elements;  // 1..5
    std::array<std::string, 6> asteroid_load_error;                   // why a set is missing
    std::string asteroid_quality = "AAAAA";
    std::array<std::string, 6> asteroid_helio_text, asteroid_geo_text;
    std::array<double, 6> asteroid_decl_rad{};
    std::array<double, 2> asteroid_sun_xy{};
    // Throws std::runtime_error (Czech) when the element set of N is missing.
    void asteroid_positions(int n, unsigned year, unsigned month, unsigned day, unsigned hour,
                            unsigned minute, unsigned second, int zone_offset, int zone_minutes);

    // ---- The Sun's day at a place (zone-time results).
    std::string sun_rise_text, sun_set_text, day_length_text, sun_culmination_text;
    double sun_rise_hours = 0, sun_set_hours = 0, day_length_hours = 0;
    double sun_rise_azimuth = 0, sun_set_azimuth = 0;  // degrees from north, 0 when undefined
    double sun_culmination_altitude = 0;
    double sun_ra_deg = 0;  // the Sun's right ascension beside its row
    // Rising, setting, day length, culmination and azimuths; with `twilight` the dawn and
    // dusk of the twilight chosen by rise_mode (1 civil, 2 nautical, 3 astronomical).
    void sun_day(unsigned day, unsigned month, unsigned year, int lat_deg, int lat_min, int lon_deg,
                 int lon_min, bool north, bool east, bool twilight, int zone_offset, int zone_minutes);
    // The Sun's culmination from its right ascension and the sidereal time.
    void sun_transit_time(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes,
                          double longitude_rad);
    void sun_culmination_altitude_of(bool north, int lat_min, int lat_deg);

    // ---- The Moon's and the planets' day, and where every body stands now.
    std::string moon_rise_text, moon_set_text, moon_transit_text;
    struct PlanetRiseSet {
        std::string rise = "-";
        std::uint8_t rise_previous_day = 0;
        std::string set;
        std::uint8_t set_next_day = 0;
        std::string transit;
        double transit_hours = 0;
        double ra = 0;  // radians, at 12:00 of the date
    };
    std::array<PlanetRiseSet, 9> planet_rise_set{};  // 1..8 Mercury..Pluto
    struct HorizonPosition {
        double altitude = 0, azimuth = 0;  // degrees
    };
    std::array<HorizonPosition, 10> horizon_table{};  // Moon, Sun, Mercury..Pluto
    double moon_ra_deg = 0;
    // Moonrise, moonset and the transit between them (centre on the geometric horizon, no
    // parallax): an event that does not fall within the date is "Není".
    void moon_rise_set(unsigned day, unsigned month, unsigned year, int lat_deg, int lat_min, int lon_deg,
                       int lon_min, bool north, bool east, int zone_offset, int zone_minutes);
    // Transit, rise and set of the planets (or of planet_selection alone) from their positions at noon.
    void planet_rise_set_of(unsigned day, unsigned month, unsigned year, int lon_deg, int lon_min, int lat_deg,
                            int lat_min, bool east, bool north, int zone_offset, int zone_minutes);
    // Altitude and azimuth of the Moon, Sun and planets for the body table of the moment
    // and the sidereal time computed last.
    void horizon_positions(unsigned day, unsigned month, unsigned year, int lat_deg, int lat_min, bool north,
                           int zone_offset, int zone_minutes);

    // ---- Lunar phases, seasons and apsides: minute-exact instants in zone time.
    struct Instant {
        int day = 0, month = 0, year = 0, hour = 0, minute = 0;
        friend bool operator==(const Instant&, const Instant&) = default;
    };
    struct LunarPhase {
        bool valid = false;
        Instant at;
        int type = 0;  // 1 new moon, 2 first quarter, 3 last quarter, 4 full moon
    };
    std::array<LunarPhase, 4> lunar_phases{};
    std::array<Instant, 4> season_instants{};  // spring, summer, autumn, winter
    Instant perihelion_instant, aphelion_instant, perigee_instant, apogee_instant;
    void next_lunar_phases(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes);
    void find_seasons(unsigned year, int zone_offset, int zone_minutes);
    void find_perihelion(unsigned year, int zone_offset, int zone_minutes);
    void find_aphelion(unsigned year, int zone_offset, int zone_minutes);
    void find_perigee(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes);
    void find_apogee(unsigned day, unsigned month, unsigned year, int zone_offset, int zone_minutes);

    // ---- Houses: 16 systems × (cusps 1..12, ASC, MC, DSC, IC), degrees; 999 where a
    // system fails at the place and date.
    HouseTable house_table{};
    // All sixteen systems for the moment whose sidereal time was computed last; afterwards
    // sidereal_degrees holds the MC. Runs sun_day for the date (it overwrites the Sun's day).
    void compute_houses(unsigned day, unsigned month, unsigned year, int lat_deg, int lat_min, bool north,
                        int lon_deg, int lon_min, bool east, int zone_offset, int zone_minutes);
    // House 1..12 of every body row in the system 1..16; 0 in every row when it has no cusps.
    void house_of_bodies(int house_system);

    // ---- Tattva periods: sixty start times (zone-time hours) from the geometric sunrise.
    std::array<double, 60> tattva_times{};
    std::array<std::string, 60> tattva_texts;  // period k in column k/5 + 1, row k%5 + 1
    int current_tattva_index = -2;
    bool tattva_unavailable = false;  // no sunrise: "Tattvy nelze spočítat!"
    // For the date of `moment` at the place; system 0 "Od východu", 1 "Od východu k západu".
    // Keeps rise_mode as it was. False (times unchanged) when the Sun does not rise.
    bool tattva_table(const Moment& moment, int lat_deg, int lat_min, bool north, int lon_deg, int lon_min,
                      bool east, int zone_offset, int zone_minutes, int system);
    // The period in which the moment's hour and minute lie.
    void current_tattva(const Moment& moment);

    // Passes a planet routine may take before giving up on a change of longitude.
    static constexpr int kMaxPlanetPasses = 1440;

private:
    void compute_sun_moon_planets(const Moment& m, int zone_offset, int zone_minutes);
    struct SunState {
        double L;  // after the month rule
        double r, e, varpi, i, precession, eps;
    };
    // The planets' passes ask for the Sun of the same moments again and again; the result
    // depends on the arguments alone, so the engine keeps the last few.
    struct CachedSun {
        std::array<long, 8> key{};
        bool used = false;
        SunState st{}, later{};
        std::string distance, eccentricity, perihelion, inclination;
    };
    std::array<CachedSun, 8> sun_cache_{};
    std::size_t sun_cache_next_ = 0;
    SunState sun_state(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                       unsigned second, int zone_offset, int zone_minutes) const;
    template <typename Pass>
    void run_planet_passes(int body, Pass pass, unsigned year, unsigned month, unsigned day,
                           unsigned hour, unsigned minute, unsigned second, int zone_offset, int zone_minutes);
    void pluto_pass(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                    unsigned second, int zone_offset, int zone_minutes);
    void venus_pass(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                    unsigned second, int zone_offset, int zone_minutes);
    double asteroid_longitude(int n, const Moment& m, int zone_offset, int zone_minutes, bool store);
    // The first minute past an extremum of f, searching from the cursor's date at 0:00.
    template <typename F>
    Instant find_extremum(Instant cursor, bool maximum, bool check_direction_first, F f);
};

}  // namespace sidora::engine
