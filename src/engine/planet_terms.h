#pragma once
// Periodic terms of the planets' orbital elements and the Pluto series. The tables are
// generated (tools/planet_terms) and compiled in.
#include <cstdint>

namespace sidora::engine {

// One term: (s + st·T)·sin(arg) + (c + ct·T)·cos(arg), arg = Σ m[j]·(mean longitude j),
// j = Me, Ve, Ea, Ma, Ju, Sa, Ur, Ne; T in Julian centuries from J2000.
struct PeriodicTerm {
    std::int8_t m[8];
    double s, c, st, ct;
};

// The terms of one element; their sum is multiplied by `scale` (1e-7 or 1e-6).
struct ElementSeries {
    const PeriodicTerm* terms;
    int count;
    double scale;
};

// Periodic parts of a, λ, k, h, q, p of one planet (fixed ecliptic and equinox of 2000).
struct PlanetTerms {
    ElementSeries a, lambda, k, h, q, p;
};

extern const PlanetTerms kMarsTerms;
extern const PlanetTerms kJupiterTerms;
extern const PlanetTerms kSaturnTerms;
extern const PlanetTerms kUranusTerms;
extern const PlanetTerms kNeptuneTerms;

// Pluto: t in Julian years from J2000, n = kPlutoFrequency,
//   L = l0 + l1·t + Σ A[i]·sin((i+1)·n·t + phi[i])           arcseconds
//   B = Σ B[i]·sin((i+1)·n·t + psi[i]) + b0 + b1·t            arcseconds
//   R = Σ C[i]·sin((i+1)·n·t + chi[i]) + r0 + r1·t            AU
// heliocentric, fixed ecliptic and equinox of 2000.
inline constexpr double kPlutoFrequency = 6.283185307179586 / 400.0;  // rad per year
struct PlutoSeries {
    double l0, l1, b0, b1, r0, r1;
    const double* A;
    const double* phi;
    int nl;
    const double* B;
    const double* psi;
    int nb;
    const double* C;
    const double* chi;
    int nr;
};
extern const PlutoSeries kPlutoSeries;

}  // namespace sidora::engine
