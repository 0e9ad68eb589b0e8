"""The program's planet model, in numpy, for the fitter and the checker.

Mirrors src/engine: secular elements + periodic terms -> heliocentric L, B, r
(fixed ecliptic and equinox of 2000).  Keep it in step with the C++ side.
"""

from __future__ import annotations

import math
import numpy as np

J2000 = 2451545.0
ELEMENTS = ("a", "lambda", "k", "h", "q", "p")
BODIES = ("Me", "Ve", "Ea", "Ma", "Ju", "Sa", "Ur", "Ne")

# Mean longitudes used in the arguments (rad, rad per Julian century).
MEAN_LON0 = np.array([4.4026, 3.1761, 1.7535, 6.2035, 0.5995, 0.874, 5.4813, 5.3119])
MEAN_LON1 = np.array([2608.7903, 1021.3286, 628.3076, 334.0612, 52.9691, 21.3299, 7.4782, 3.8133])

PLANETS = ("mars", "jupiter", "saturn", "uranus", "neptune")

# Secular parts: polynomial coefficients in T (constant first).
SECULAR = {
    "mars": {
        "a": [1.5236793],
        "lambda": [6.2034809, 334.0612431],
        "k": [0.0853656, 0.0003763, -0.0000025],
        "h": [-0.0378997, 0.0006247, 0.0000016],
        "q": [0.0104704, 0.0000171, -0.0000004],
        "p": [0.0122845, -0.0001080, -0.0000002],
    },
    "jupiter": {
        "a": [5.2026032],
        "lambda": [0.5995465, 52.9690965, -0.0000015],
        "k": [0.0469857, 0.0001130, -0.0000011],
        "h": [0.0120039, 0.0002171, 0.0000010],
        "q": [-0.0020656, -0.0000313, -0.0000002],
        "p": [0.0111838, -0.0000234, 0.0000002],
    },
    "saturn": {
        "a": [9.55491],
        "lambda": [0.874017, 21.32991, 0.000004],
        "k": [-0.00296, -0.00053, 0.000003],
        "h": [0.05543, -0.000376, -0.000003],
        "q": [-0.008718, 0.00008],
        "p": [0.019892, 0.000059],
    },
    "uranus": {
        "a": [19.218446],
        "lambda": [5.481294, 7.47816],
        "k": [-0.045951, 0.000018],
        "h": [0.005638, -0.000075],
        "q": [0.001859, -0.000012],
        "p": [0.006486, -0.000012],
    },
    "neptune": {
        "a": [30.110387],
        "lambda": [5.311886, 3.813304],
        "k": [0.006, 0.000001],
        "h": [0.006692, 0.000008],
        "q": [-0.010291],
        "p": [0.011517, 0.000003],
    },
}

SCALE = {
    "mars": dict.fromkeys(ELEMENTS, 1e-7),
    "jupiter": dict.fromkeys(ELEMENTS, 1e-7),
    "saturn": {"a": 1e-6, "lambda": 1e-6, "k": 1e-6, "h": 1e-6, "q": 1e-7, "p": 1e-7},
    "uranus": dict.fromkeys(ELEMENTS, 1e-6),
    "neptune": dict.fromkeys(ELEMENTS, 1e-6),
}


def arg(**mult) -> tuple:
    """Multiplier vector from keywords, e.g. arg(Ma=2, Ju=-2)."""
    return tuple(int(mult.get(b, 0)) for b in BODIES)


def term(m, s=0.0, c=0.0, st=0.0, ct=0.0) -> dict:
    return {"m": m, "s": s, "c": c, "st": st, "ct": ct}


# Terms the model has always had; the fit adds to them and never alters them.
LISTED = {
    "mars": {
        "a": [term(arg(Ma=2, Ju=-2), c=660)],
        "lambda": [term(arg(Ea=4, Ma=-8, Ju=3), s=788, st=32),
                   term(arg(Ma=2, Ju=-2), s=-840),
                   term(arg(Ve=2, Ma=-7, Ju=8, Sa=-6), s=662)],
        "k": [term(arg(Ma=1, Ju=-2), c=823), term(arg(Ju=1), c=-463)],
        "h": [term(arg(Ma=1, Ju=-2), s=-816), term(arg(Ju=1), s=-451)],
    },
    "jupiter": {
        "a": [term(arg(Ju=1, Sa=-2), c=-3214, ct=18),
              term(arg(Ju=2, Sa=-2), c=6907)],
        "lambda": [term(arg(Ju=2, Sa=-5), s=-56652, st=646, c=-8924, ct=-2196),
                   term(arg(Ju=1, Sa=-2), s=6165, st=38)],
        "k": [term(arg(Ju=1, Sa=-2), c=6529), term(arg(Ju=2, Sa=-5), s=-3444, st=-31)],
        "h": [term(arg(Ju=1, Sa=-2), s=-6426), term(arg(Ju=2, Sa=-5), c=-3411, ct=-31)],
    },
    "saturn": {
        "a": [term(arg(Ju=1, Sa=-1), c=33635), term(arg(Ju=2, Sa=-5), c=2857, ct=-32)],
        "lambda": [term(arg(Ju=2, Sa=-5), s=13945, st=-159, c=2197, ct=540)],
        "k": [term(arg(Ju=1), c=1973)],
        "h": [term(arg(Ju=1), s=1969)],
        "q": [term(arg(Ju=2, Sa=-5), s=182), term(arg(Ju=2, Sa=-5), c=-97)],
        "p": [term(arg(Ju=2, Sa=-5), c=187), term(arg(Ju=2, Sa=-5), s=87)],
    },
    "uranus": {
        "a": [term(arg(Ju=1, Ur=-1), c=80305), term(arg(Sa=1, Ur=-1), c=20684),
              term(arg(Ea=1, Ur=-1), c=518), term(arg(Ve=1, Ur=-1), c=488)],
        "lambda": [term(arg(Ur=1, Ne=-2), s=-15016, st=7), term(arg(Ju=1, Ur=-1), s=3410),
                   term(arg(Ea=1, Ur=-1), s=26), term(arg(Ve=1, Ur=-1), s=25)],
        "k": [term(arg(Ju=1), c=2745)],
        "h": [term(arg(Ju=1), s=2747)],
    },
    "neptune": {
        "a": [term(arg(Ju=1, Ne=-1), c=148182), term(arg(Sa=1, Ne=-1), c=35973),
              term(arg(Ea=1, Ne=-1), c=1012), term(arg(Ve=1, Ne=-1), c=955)],
        "lambda": [term(arg(Ur=1, Ne=-2), s=10160, st=-5), term(arg(Ju=1, Ne=-1), s=4417),
                   term(arg(Ea=1, Ne=-1), s=33), term(arg(Ve=1, Ne=-1), s=32)],
        "k": [term(arg(Ju=1), c=3438)],
        "h": [term(arg(Ju=1), s=3440)],
    },
}


def centuries(jd):
    return (np.asarray(jd, dtype=float) - J2000) / 36525.0


def mean_longitudes(T):
    """(N, 8) array of the argument longitudes."""
    return MEAN_LON0[None, :] + np.outer(T, MEAN_LON1)


def series_sum(terms, T, lon):
    """Unscaled sum of one element's terms."""
    out = np.zeros_like(T)
    for t in terms:
        th = lon @ np.asarray(t["m"], dtype=float)
        out += (t["s"] + t["st"] * T) * np.sin(th) + (t["c"] + t["ct"] * T) * np.cos(th)
    return out


def secular(planet, T):
    return {e: np.polyval(SECULAR[planet][e][::-1], T) for e in ELEMENTS}


def elements(planet, series, T, lon=None):
    """series: element -> (terms, scale).  Returns element -> array."""
    if lon is None:
        lon = mean_longitudes(T)
    el = secular(planet, T)
    for e in ELEMENTS:
        terms, scale = series[e]
        if terms:
            el[e] = el[e] + scale * series_sum(terms, T, lon)
    return el


def kepler(M, e):
    E = M.copy()
    for _ in range(1000):
        En = M + e * np.sin(E)
        if np.array_equal(En, E):
            break
        E = En
    return E


def position(planet, el):
    """Heliocentric L, B (rad) and r (AU) from elements, the program's way."""
    a, lam, k, h, q, p = (el[x] for x in ELEMENTS)
    e = np.sqrt(h * h + k * k)
    with np.errstate(divide="ignore"):
        varpi = np.arctan(h / k)
    varpi = np.where(varpi < 0, varpi + math.pi, varpi)
    if planet == "mars":
        varpi = varpi + math.pi
    inc = 2.0 * np.arcsin(np.sqrt(p * p + q * q))
    with np.errstate(divide="ignore"):
        node = np.arctan(p / q)
    node = np.where(node < 0, node + math.pi, node)
    M = lam - varpi
    E = kepler(M, e)
    nu = 2.0 * np.arctan(np.sqrt((1 + e) / (1 - e)) * np.tan(E / 2))
    u = nu + varpi - node
    L = node + np.arctan2(np.cos(inc) * np.sin(u), np.cos(u))
    B = inc * np.sin(L - node)
    r = a * (1 - e * np.cos(E))
    return L, B, r


def wrap(x):
    """Angle difference into (-pi, pi]."""
    return np.remainder(x + math.pi, 2 * math.pi) - math.pi


# Pluto ---------------------------------------------------------------------

# One 400-year fundamental spans the whole 1790-2110 fit with room to spare, so its
# harmonics follow Pluto's slow trends and the Sun's wobble alike; 248 years could not.
PLUTO_N = 2 * math.pi / 400.0  # rad per Julian year
PLUTO_NL, PLUTO_NB, PLUTO_NR = 40, 40, 40


def pluto_years(jd):
    return (np.asarray(jd, dtype=float) - J2000) / 365.25


def pluto_position(ps, t):
    """ps: dict with l0 l1 b0 b1 r0 r1 A phi B psi C chi.  L, B in arcsec, R in AU."""
    def harm(amp, ph):
        out = np.zeros_like(t)
        for i, (x, f) in enumerate(zip(amp, ph)):
            out += x * np.sin((i + 1) * PLUTO_N * t + f)
        return out
    L = ps["l0"] + ps["l1"] * t + harm(ps["A"], ps["phi"])
    B = harm(ps["B"], ps["psi"]) + ps["b0"] + ps["b1"] * t
    R = harm(ps["C"], ps["chi"]) + ps["r0"] + ps["r1"] * t
    return L, B, R
