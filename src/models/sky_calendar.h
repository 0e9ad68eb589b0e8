#pragma once
// The sky calendar without its widgets: one tick decides the moment and computes every text,
// colour and picture span the main window shows. The window only renders the view.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/app_state.h"
#include "models/grid.h"

namespace sidora::models {

// The lit pixels of one row of the Moon picture, first..last inclusive.
struct MoonSpan {
    int first = 0, last = -1;
    friend bool operator==(const MoonSpan&, const MoonSpan&) = default;
};

struct SkyView {
    SkyView();

    std::string Label1, Label25, Label3, Label247;
    bool label1_visible = true, label247_visible = false;
    unsigned hour = 0, minute = 0, second = 0;  // the time picker
    bool set_now_enabled = false;               // "Spusť čas" and "now" while the clock is frozen

    Grid Tab3{4, 5};   // time
    Grid Tab4{2, 5};   // season dates
    Grid Tab5{9, 5};   // Sun
    Grid Tab6{3, 4};   // twilight
    Grid tab7{4, 5};   // Moon
    Grid Tab8{3, 2};   // Moon's distance and apsides
    Grid Tab9{2, 5};   // lunar phases
    Grid Tab2{11, 8};  // planets
    Grid Tab10{13, 9}; // astrology
    Grid Tab11{12, 3}; // house cusps
    Grid Tab12{2, 6};  // angles
    Grid Tab1{6, 13};  // tattvas

    std::array<std::string, 10> world_clocks;
    std::string phase_caption;
    std::array<MoonSpan, 51> moon_spans{};  // rows 0..50 of the picture; row 0 stays unlit
    bool tattva_message_visible = false;

    // What the views draw, copied at the end of the last computed tick: the engine's tables
    // are overwritten by every horoscope and table, this copy only by the next tick.
    struct Bodies {
        bool known = false;  // no tick has computed yet
        engine::Moment moment;
        int zone_offset = 0;
        std::string place_name;
        std::array<engine::Engine::HorizonPosition, 10> horizon{};  // Moon, Sun, Mercury..Pluto
        // 0 Earth (the Sun's longitude + 180° and its distance), 1..8 Mercury..Pluto; degrees, AU.
        std::array<double, 9> helio_longitude{}, helio_distance{};
        double sun_longitude = 0, sun_distance = 0;
        engine::BodyTable body_table;  // the transits over the natal wheel
    };
    Bodies bodies;

    bool computed = false;       // false while the engine was busy elsewhere
    bool day_refreshed = false;  // this tick made a day refresh

    // Every grid with its form name, for renderers and listings.
    std::vector<std::pair<std::string, const Grid*>> grids() const;
};

// City names of the world clocks, in their order on the form.
const std::array<std::string, 10>& world_clock_cities();
// "Váju", "Agni", "Prthiví", "Ápas", "Ákáša".
const std::array<std::string, 5>& tattva_names();

inline constexpr int kLowestYear = 1800;
inline constexpr int kHighestYear = 2100;

class SkyCalendar {
public:
    // One tick. `now` is the computer's local clock, used while the clock runs. Writes the
    // moment, the zone and the place guard back into the state as the window does.
    const SkyView& tick(data::AppState& state, const engine::Moment& now);
    const SkyView& view() const { return v_; }
    const std::string& refresh_key() const { return refresh_key_; }

    // The next tick recomputes the day values whatever changed (new settings).
    void force_day_refresh() { refresh_key_.clear(); }

    // A new tattva system takes effect at once (the highlight follows on the next tick).
    void retabulate_tattvas(data::AppState& state);

private:
    bool refresh_key_changed(const std::string& key);
    void day_refresh(data::AppState& state);
    // The tattva periods of the moment's date at the place; false when the Sun does not rise.
    bool tabulate_tattvas(data::AppState& state);
    void keep_bodies(const data::AppState& state);

    SkyView v_;
    std::string refresh_key_;
    std::string sign_;  // "+" or "" before the zone hours
    std::optional<engine::Moment> clamped_;  // the moment a year out of range was clamped to
};

}  // namespace sidora::models
