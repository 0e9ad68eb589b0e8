#!/usr/bin/python3
"""Recompute the residuals of the generated tables against the Swiss Ephemeris.

Reads src/engine/planet_terms_data.cpp itself (not the fitter's memory), so it
checks what the program compiles in.  Exits non-zero if a target is missed.

Usage: /usr/bin/python3 tools/planet_terms/check_model.py [--cpp FILE] [--work DIR]
"""

from __future__ import annotations

import argparse
import os
import re
import sys

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import planet_model as pm  # noqa: E402
import fit_terms as ft  # noqa: E402

NUM = r"[-+0-9.eE]+"


def parse(path):
    text = open(path).read()
    arrays = {}
    for name, body in re.findall(r"const PeriodicTerm (\w+)\[\] = \{(.*?)\n\};", text, re.S):
        rows = []
        for m, rest in re.findall(r"\{\{([^}]*)\},([^}]*)\}", body):
            mm = tuple(int(x) for x in m.split(","))
            s, c, st, ct = (float(x) for x in rest.split(","))
            rows.append(pm.term(mm, s, c, st, ct))
        arrays[name] = rows
    planets = {}
    const = {"kMarsTerms": "mars", "kJupiterTerms": "jupiter", "kSaturnTerms": "saturn",
             "kUranusTerms": "uranus", "kNeptuneTerms": "neptune"}
    for cname, body in re.findall(r"const PlanetTerms (\w+) = \{(.*?)\n\};", text, re.S):
        parts = re.findall(r"\{(\w+), (\d+), (" + NUM + r")\}", body)
        assert len(parts) == 6, cname
        ser = {}
        for e, (arr, n, scale) in zip(pm.ELEMENTS, parts):
            terms = [] if arr == "nullptr" else arrays[arr]
            assert len(terms) == int(n), (cname, e)
            ser[e] = (terms, float(scale))
        planets[const[cname]] = ser
    dbl = {name: np.array([float(x) for x in body.split(",")])
           for name, body in re.findall(r"const double (\w+)\[\] = \{([^}]*)\};", text)}
    body = re.search(r"const PlutoSeries kPlutoSeries = \{(.*?)\n\};", text, re.S).group(1)
    tok = [t.strip() for t in body.replace("\n", " ").split(",") if t.strip()]
    ps = dict(zip(("l0", "l1", "b0", "b1", "r0", "r1"), map(float, tok[:6])))
    for (amp, ph, n), (ka, kp) in zip((tok[6:9], tok[9:12], tok[12:15]),
                                      (("A", "phi"), ("B", "psi"), ("C", "chi"))):
        ps[ka], ps[kp] = dbl[amp], dbl[ph]
        assert len(ps[ka]) == len(ps[kp]) == int(n)
    return planets, ps


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(HERE))
    ap.add_argument("--cpp", default=os.path.join(root, "src/engine/planet_terms_data.cpp"))
    ap.add_argument("--work", default="/tmp/planet_terms")
    args = ap.parse_args()
    planets, ps = parse(args.cpp)
    ok = True
    print("1800-2100, heliocentric, J2000 ecliptic; reference Swiss Ephemeris")
    print(f"{'planet':8} {'terms a/l/k/h/q/p':>20} {'L max':>8} {'L rms':>8} "
          f"{'dr max AU':>10} {'dr rms AU':>10} {'dr/r max':>9} {'dr/r rms':>9}")
    for planet in pm.PLANETS:
        d = ft.reference(planet, args.work)
        mask = (d[:, 0] >= ft.CHECK_FIRST) & (d[:, 0] <= ft.CHECK_LAST)
        d = d[mask]
        T = pm.centuries(d[:, 0])
        el = pm.elements(planet, planets[planet], T)
        L, _, r = pm.position(planet, el)
        dL = np.abs(pm.wrap(d[:, 1] - L)) / ft.ARCSEC
        dr = np.abs(d[:, 3] - r)
        rel = dr / d[:, 3]
        counts = "/".join(str(len(planets[planet][e][0])) for e in pm.ELEMENTS)
        print(f"{planet:8} {counts:>20} {dL.max():7.2f}\" {np.sqrt(np.mean(dL**2)):7.2f}\" "
              f"{dr.max():10.2e} {np.sqrt(np.mean(dr**2)):10.2e} {rel.max():9.2e} "
              f"{np.sqrt(np.mean(rel**2)):9.2e}")
        lt, rt, rrel = ft.TARGET[planet]
        if dL.max() > lt or (rt and dr.max() > rt) or (rrel and rel.max() > rrel):
            print(f"  {planet}: target missed (L {lt}\", r {rt or rrel})")
            ok = False
    d = ft.reference("pluto", args.work)
    mask = (d[:, 0] >= ft.CHECK_FIRST) & (d[:, 0] <= ft.CHECK_LAST)
    st = ft.pluto_stats(ps, d, mask)
    print(f"pluto    L max {st['L_max']:.3f}\" rms {st['L_rms']:.3f}\"  "
          f"B max {st['B_max']:.3f}\" rms {st['B_rms']:.3f}\"  "
          f"R max {st['R_max']:.2e} rms {st['R_rms']:.2e} AU")
    if st["L_max"] > 5 or st["B_max"] > 5 or st["R_max"] > 5e-4:
        print("  pluto: target missed")
        ok = False
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
