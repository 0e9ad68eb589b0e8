#include "horoscope/partner.h"

#include "horoscope/aspects.h"
#include "horoscope/natal.h"
#include "horoscope/points.h"

namespace sidora::horoscope {
namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

template <std::size_t N>
std::array<std::uint8_t, N> sum(const std::array<std::uint8_t, N>& a, const std::array<std::uint8_t, N>& b) {
    std::array<std::uint8_t, N> s{};
    for (std::size_t i = 0; i < N; ++i) s[i] = static_cast<std::uint8_t>(a[i] + b[i]);
    return s;
}

Present partner_present(const data::OrbTables& orbs, const NatalChart& c) {
    return present_bodies(orbs, c.asteroid_present);
}

}  // namespace

CountTables counts_of(const Evaluation& e) {
    return {e.kvalita_znameni, e.kvalita_domy, e.zivel_znameni, e.zivel_domy,
            e.polarita_znameni, e.polarita_domy, e.vychod_zapad};
}

Agreement agreement(const CountTables& x, const CountTables& y) {
    Agreement a;
    a.kvalita_sign = shoda(x.kvalita_znameni, y.kvalita_znameni, kSignCountTotal);
    a.kvalita_house = shoda(x.kvalita_domy, y.kvalita_domy, kHouseCountTotal);
    a.kvalita_total =
        shoda(sum(x.kvalita_znameni, x.kvalita_domy), sum(y.kvalita_znameni, y.kvalita_domy), kCountTotal);
    a.zivel_sign = shoda(x.zivel_znameni, y.zivel_znameni, kSignCountTotal);
    a.zivel_house = shoda(x.zivel_domy, y.zivel_domy, kHouseCountTotal);
    a.zivel_total = shoda(sum(x.zivel_znameni, x.zivel_domy), sum(y.zivel_znameni, y.zivel_domy), kCountTotal);
    a.polarita_sign = shoda(x.polarita_znameni, y.polarita_znameni, kSignCountTotal);
    a.polarita_house = shoda(x.polarita_domy, y.polarita_domy, kHouseCountTotal);
    a.polarita_total = shoda(sum(x.polarita_znameni, x.polarita_domy), sum(y.polarita_znameni, y.polarita_domy),
                             kCountTotal);
    a.vychod_zapad = shoda(x.vychod_zapad, y.vychod_zapad, kHouseCountTotal);
    a.celkova = (a.kvalita_total + a.zivel_total + a.polarita_total + a.vychod_zapad) / 4;
    return a;
}

bool houses_failed(int house_system, const HouseRow& houses) {
    return house_system >= 1 && house_system <= 4 && houses[0] == kNone;
}

int house_in(double lon, const HouseRow& houses) { return house_of_longitude(lon, houses); }

AspectTable find_partner_aspects(const NatalChart& second, const NatalChart& first, const data::OrbTables& orbs,
                                 const data::AspectDefs& defs) {
    return find_aspects_between(second.chart_table, partner_present(orbs, second), first.chart_table,
                                partner_present(orbs, first), orbs, defs);
}

PartnerChart compute_partner(data::AppState& state, const NatalChart& first, const data::TOsoba& person) {
    PartnerChart p;
    {
        // The natal routine borrows the engine it is given; this one is the partner's own.
        data::AppState own = state;
        const bool busy = state.engine_busy;
        state.engine_busy = true;
        try {
            p.second = compute_natal(own, person);
        } catch (...) {
            state.engine_busy = busy;
            throw;
        }
        state.engine_busy = busy;
    }
    p.first_counts = counts_of(first.evaluation);
    p.second_counts = counts_of(p.second.evaluation);
    p.shoda = agreement(p.first_counts, p.second_counts);
    p.aspects = find_partner_aspects(p.second, first, state.orbs, state.aspect_defs);
    p.second_present = partner_present(state.orbs, p.second);
    p.first_present = partner_present(state.orbs, first);

    // One rule for every placement, the half-open one of the natal houses: a value exactly
    // on the first person's cusp n is in house n.
    const HouseRow& mine = first.houses();
    for (int b = 1; b <= kChartBodies; ++b) {
        const double lon = p.second.chart_table[at(b)].longitude;
        p.body_houses[at(b)] = static_cast<std::uint8_t>(house_in(lon, mine));
    }
    const HouseRow& theirs = p.second.houses();
    p.both_houses_ok = !houses_failed(first.person.house_system, mine) &&
                       !houses_failed(person.house_system, theirs);
    if (p.both_houses_ok)
        for (std::size_t k = 0; k < 16; ++k) p.cusp_houses[k + 1] = static_cast<std::uint8_t>(house_in(theirs[k], mine));
    return p;
}

}  // namespace sidora::horoscope
