#!/usr/bin/python3
"""Fit the periodic terms of the planet model and write src/engine/planet_terms_data.cpp.

The reference is the Swiss Ephemeris (Debian libswe + swe-standard-data):
heliocentric, geometric, ecliptic and equinox of J2000.  dump_reference.c is
compiled and run to sample it; everything else is numpy.

Usage: /usr/bin/python3 tools/planet_terms/fit_terms.py [--out FILE] [--work DIR]
                                                        [--planets mars,jupiter,...]
"""

from __future__ import annotations

import argparse
import bisect
import itertools
import json
import math
import os
import subprocess
import sys
import time

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import planet_model as pm  # noqa: E402

ARCSEC = math.pi / 180 / 3600
EPHE_DIR = "/usr/share/libswe/ephe"

# Sampling of the reference.  The fit runs a few years past the checked span
# so the ends are not extrapolated.
FIT_FIRST, FIT_LAST = 2376670.5, 2490250.5        # 1795-01-01 .. 2105-12-31
CHECK_FIRST, CHECK_LAST = 2378496.5, 2488433.5    # 1800-01-01 .. 2100-12-31
PLUTO_FIRST, PLUTO_LAST = 2374844.5, 2492076.5    # 1790-01-01 .. 2110-12-31
STEP = {"mars": 4.0, "jupiter": 10.0, "saturn": 10.0, "uranus": 10.0, "neptune": 10.0,
        "pluto": 10.0}

# Targets over 1800-2100: max |dL| (arcsec), max |dr| (AU) or max |dr|/r.
TARGET = {
    "mars": (3.0, 5e-6, None),
    "jupiter": (5.0, None, 3e-6),
    "saturn": (5.0, None, 3e-6),
    "uranus": (5.0, None, 3e-6),
    "neptune": (5.0, None, 3e-6),
}

# Bodies that may appear in fitted arguments, and the multiplier limits:
# (limit for two-body arguments, limit for three-body arguments, wider
# two-body limit for the listed pairs, those pairs).
BODIES = {
    "mars": (("Me", "Ve", "Ea", "Ma", "Ju", "Sa"), 10, 4, 17, [("Ea", "Ma"), ("Ma", "Ju")]),
    "jupiter": (("Ma", "Ju", "Sa", "Ur", "Ne"), 10, 4, 14, [("Ju", "Sa")]),
    "saturn": (("Ju", "Sa", "Ur", "Ne"), 10, 5, 14, [("Ju", "Sa")]),
    "uranus": (("Ve", "Ea", "Ju", "Sa", "Ur", "Ne"), 10, 4, 12, [("Ur", "Ne"), ("Sa", "Ur")]),
    "neptune": (("Ve", "Ea", "Ju", "Sa", "Ur", "Ne"), 10, 4, 12, [("Ur", "Ne"), ("Sa", "Ne")]),
}
FIT_ELEMENTS = ("a", "lambda", "k", "h")
MAX_PERIOD_YEARS = 600.0      # longer ones can't be told from a constant and a rate in 310 years
RIDGE = 1e-4                 # keeps near-degenerate a/k/h/lambda mixes from blowing up
MIN_SEPARATION = 1.0         # rad per century
MAX_TERMS = 250               # per element, listed ones included
# Coefficient resolution in table units; 1e-6 units are too coarse for the outer three.
RESOLUTION = {"mars": 1.0, "jupiter": 1.0, "saturn": 0.1, "uranus": 0.1, "neptune": 0.1}


# ---------------------------------------------------------------------------
# reference

def reference(body: str, work: str) -> np.ndarray:
    """(N, 4): jd, L (rad), B (rad), r (AU); cached in work."""
    os.makedirs(work, exist_ok=True)
    exe = os.path.join(work, "dump_reference")
    src = os.path.join(HERE, "dump_reference.c")
    if not os.path.exists(exe) or os.path.getmtime(exe) < os.path.getmtime(src):
        subprocess.run(["gcc", "-O2", "-Wall", "-o", exe, src, "-lswe", "-lm"], check=True)
    first, last = (PLUTO_FIRST, PLUTO_LAST) if body == "pluto" else (FIT_FIRST, FIT_LAST)
    csv = os.path.join(work, f"{body}_{first}_{last}_{STEP[body]}.csv")
    if not os.path.exists(csv):
        with open(csv + ".tmp", "w") as f:
            subprocess.run([exe, EPHE_DIR, body, str(first), str(last), str(STEP[body])],
                           stdout=f, check=True)
        os.replace(csv + ".tmp", csv)
    d = np.loadtxt(csv, delimiter=",")
    d[:, 1] = np.radians(d[:, 1])
    d[:, 2] = np.radians(d[:, 2])
    return d


# ---------------------------------------------------------------------------
# candidate arguments

def candidates(planet: str) -> np.ndarray:
    names, lim2, lim3, lim_wide, wide_pairs = BODIES[planet]
    idx = [pm.BODIES.index(b) for b in names]
    wide = {tuple(sorted(pm.BODIES.index(b) for b in p)) for p in wide_pairs}
    out = set()
    for j in idx:
        for m in range(1, 2 * lim2 + 1):
            v = [0] * 8
            v[j] = m
            out.add(tuple(v))
    for i, j in itertools.combinations(idx, 2):
        lim = lim_wide if (i, j) in wide else lim2
        for mi in range(1, lim + 1):
            for mj in range(-lim, lim + 1):
                if mj:
                    v = [0] * 8
                    v[i], v[j] = mi, mj
                    out.add(tuple(v))
    for i, j, l in itertools.combinations(idx, 3):
        for mi in range(1, lim3 + 1):
            for mj in range(-lim3, lim3 + 1):
                for ml in range(-lim3, lim3 + 1):
                    if mj and ml and abs(mi) + abs(mj) + abs(ml) <= 2 * lim3:
                        v = [0] * 8
                        v[i], v[j], v[l] = mi, mj, ml
                        out.add(tuple(v))
    c = np.array(sorted(out), dtype=np.int64)
    freq = np.abs(c @ pm.MEAN_LON1)                    # rad per century
    period_days = 2 * math.pi / np.maximum(freq, 1e-30) * 36525
    keep = (period_days > 4 * STEP[planet]) & (period_days < MAX_PERIOD_YEARS * 365.25)
    c, freq = c[keep], freq[keep]
    # Arguments closer in frequency than this can't be told apart in 310 years;
    # keep the simplest of each cluster, else the fit trades huge opposite terms.
    order = np.lexsort((np.count_nonzero(c, axis=1), np.abs(c).sum(axis=1)))
    taken = []
    for i in order:
        j = bisect.bisect_left(taken, freq[i])
        if (j < len(taken) and taken[j] - freq[i] < MIN_SEPARATION) or \
                (j > 0 and freq[i] - taken[j - 1] < MIN_SEPARATION):
            continue
        taken.insert(j, freq[i])
    keep = np.isin(freq, taken)
    return c[keep]


# ---------------------------------------------------------------------------
# the fit

class Fit:
    def __init__(self, planet: str, data: np.ndarray):
        self.planet = planet
        self.jd = data[:, 0]
        self.T = pm.centuries(self.jd)
        self.Lref, self.rref = data[:, 1], data[:, 3]
        self.lon = pm.mean_longitudes(self.T)
        self.N = len(self.T)
        lt, rt, rrel = TARGET[planet]
        # weight r so that hitting either target counts the same
        rel = rrel if rrel is not None else rt / pm.SECULAR[planet]["a"][0]
        self.wr = (lt * ARCSEC / rel) / self.rref
        self.check = (self.jd >= CHECK_FIRST) & (self.jd <= CHECK_LAST)
        self.listed = {e: pm.LISTED[planet].get(e, []) for e in pm.ELEMENTS}
        # fitted slots: (element, m) -> coefficients [s, c, st, ct] in element units
        self.coef: dict = {}
        self.rate: set = set()
        self.evaluate()

    # -- model
    def series(self, coef=None):
        coef = self.coef if coef is None else coef
        ser = {}
        for e in pm.ELEMENTS:
            scale = pm.SCALE[self.planet][e]
            ser[e] = (list(self.listed[e]), scale)
        for (e, m), v in coef.items():
            scale = pm.SCALE[self.planet][e]
            ser[e][0].append(pm.term(m, *(np.asarray(v) / scale)))
        return ser

    def model(self, el):
        L, _, r = pm.position(self.planet, el)
        return L, r

    def evaluate(self):
        el = pm.elements(self.planet, self.series(), self.T, self.lon)
        L, r = self.model(el)
        self.dL = pm.wrap(self.Lref - L)
        self.dr = self.rref - r
        # partial derivatives of L and r by a, lambda, k, h
        self.PL, self.Pr = {"a": np.zeros(self.N)}, {"a": r / el["a"]}
        for x, eps in (("lambda", 1e-6), ("k", 1e-7), ("h", 1e-7)):
            up, dn = dict(el), dict(el)
            up[x] = el[x] + eps
            dn[x] = el[x] - eps
            Lu, ru = self.model(up)
            Ld, rd = self.model(dn)
            self.PL[x] = pm.wrap(Lu - Ld) / (2 * eps)
            self.Pr[x] = (ru - rd) / (2 * eps)

    def stats(self, mask=None):
        mask = self.check if mask is None else mask
        dL = self.dL[mask] / ARCSEC
        dr = self.dr[mask]
        rel = dr / self.rref[mask]
        return {"L_max": np.abs(dL).max(), "L_rms": math.sqrt(np.mean(dL ** 2)),
                "r_max": np.abs(dr).max(), "r_rms": math.sqrt(np.mean(dr ** 2)),
                "rrel_max": np.abs(rel).max(), "rrel_rms": math.sqrt(np.mean(rel ** 2))}

    def cost(self):
        return float(np.sum(self.dL ** 2) + np.sum((self.wr * self.dr) ** 2))

    # -- columns
    def theta(self, m):
        return self.lon @ np.asarray(m, dtype=float)

    def columns(self, slot, kinds):
        e, m = slot
        th = self.theta(m)
        s, c = np.sin(th), np.cos(th)
        f = {0: s, 1: c, 2: self.T * s, 3: self.T * c}
        out = []
        for kd in kinds:
            out.append(np.concatenate([self.PL[e] * f[kd], self.wr * self.Pr[e] * f[kd]]))
        return np.array(out).T

    def kinds(self, slot):
        zero = not any(slot[1])
        base = [1] if zero else [0, 1]
        if slot in self.rate:
            base += [3] if zero else [2, 3]
        return base

    def solve(self, slots):
        """Gauss-Newton step for the given slots against the current residual;
        the step is halved while it makes things worse."""
        cols, where = [], []
        for sl in slots:
            ks = self.kinds(sl)
            cols.append(self.columns(sl, ks))
            where += [(sl, k) for k in ks]
        A = np.hstack(cols)
        b = np.concatenate([self.dL, self.wr * self.dr])
        AtA = A.T @ A
        Atb = A.T @ b
        del A
        sc = 1 / np.sqrt(np.diag(AtA))
        M = AtA * sc[:, None] * sc[None, :]
        M[np.diag_indices_from(M)] += RIDGE
        x = np.linalg.solve(M, Atb * sc) * sc
        before = self.cost()
        # near k = 0 or h = 0 the perihelion rule flips by pi; never step into that
        worst = np.abs(self.dL).max() * 2 + 1e-5
        old = {sl: self.coef.get(sl, np.zeros(4)).copy() for sl in slots}
        for step in (1.0, 0.5, 0.25, 0.1, 0.0):
            for sl in slots:
                self.coef[sl] = old[sl].copy()
            for (sl, k), v in zip(where, x):
                self.coef[sl][k] += step * v
            self.evaluate()
            if self.cost() <= before and np.abs(self.dL).max() <= worst:
                return step
        return 0.0

    # -- greedy choice of new arguments
    def prepare(self, cands):
        self.cands = cands
        names = BODIES[self.planet][0]
        self.pw = {}
        for b in names:
            j = pm.BODIES.index(b)
            z = np.exp(1j * self.lon[:, j])
            lim = int(np.abs(cands[:, j]).max()) if len(cands) else 0
            p = {0: np.ones(self.N, dtype=complex)}
            for m in range(1, lim + 1):
                p[m] = p[m - 1] * z
            for m in range(1, lim + 1):
                p[-m] = np.conj(p[m])
            self.pw[j] = p
        # normal-matrix diagonals hardly move between rounds: work them out once
        self.norm = self._project(lambda e: self.PL[e] ** 2 + (self.wr * self.Pr[e]) ** 2,
                                  square=True)

    def _z(self, chunk):
        Z = np.empty((self.N, len(chunk)), dtype=complex)
        for i, m in enumerate(chunk):
            nz = np.nonzero(m)[0]
            v = self.pw[nz[0]][m[nz[0]]]
            for j in nz[1:]:
                v = v * self.pw[j][m[j]]
            Z[:, i] = v
        return Z

    def _project(self, weight, square=False):
        """For each element and candidate: sum over samples of weight * exp(i theta)
        (or exp(2 i theta))."""
        W = np.array([weight(e) for e in FIT_ELEMENTS])
        out = np.empty((len(FIT_ELEMENTS), len(self.cands)), dtype=complex)
        for s in range(0, len(self.cands), 600):
            Z = self._z(self.cands[s:s + 600])
            if square:
                Z = Z * Z
            out[:, s:s + 600] = W @ Z.real + 1j * (W @ Z.imag)
        if square:
            tot = W.sum(axis=1)[:, None]
            return (0.5 * (tot + out.real), 0.5 * (tot - out.real))  # cos^2, sin^2
        return out

    def scores(self):
        proj = self._project(lambda e: self.PL[e] * self.dL + self.wr ** 2 * self.Pr[e] * self.dr)
        ncos, nsin = self.norm
        return proj.real ** 2 / ncos + proj.imag ** 2 / nsin

    def rate_scores(self):
        out = []
        Tc = self.T - self.T.mean()
        for sl in self.coef:
            if sl in self.rate:
                continue
            e, m = sl
            th = self.theta(m)
            g = self.PL[e] * self.dL + self.wr ** 2 * self.Pr[e] * self.dr
            n = self.PL[e] ** 2 + (self.wr * self.Pr[e]) ** 2
            sc = 0.0
            for f in ((np.cos(th),) if not any(m) else (np.sin(th), np.cos(th))):
                sc += np.sum(g * self.T * f) ** 2 / np.sum(n * (Tc * f) ** 2)
            out.append((sc, sl))
        return out

    def counts(self):
        n = {e: len(self.listed[e]) for e in FIT_ELEMENTS}
        for e, _ in self.coef:
            n[e] += 1
        return n

    def grow(self, batch, log):
        sc = self.scores()
        listed_f = {e: np.array([abs(np.dot(t["m"], pm.MEAN_LON1)) for t in self.listed[e]])
                    for e in FIT_ELEMENTS}
        cf = np.abs(self.cands @ pm.MEAN_LON1)
        n = self.counts()
        order = np.argsort(sc, axis=None)[::-1]
        picks = []
        cand_scores = []
        for flat in order[: batch * 20]:
            ei, ci = divmod(int(flat), len(self.cands))
            e, m = FIT_ELEMENTS[ei], tuple(int(x) for x in self.cands[ci])
            if (e, m) in self.coef:
                continue
            if len(listed_f[e]) and np.min(np.abs(listed_f[e] - cf[ci])) < MIN_SEPARATION:
                continue
            cand_scores.append((float(sc[ei, ci]), (e, m), False))
        for s, sl in self.rate_scores():
            cand_scores.append((s, sl, True))
        cand_scores.sort(key=lambda x: -x[0])
        for s, sl, is_rate in cand_scores:
            if len(picks) >= batch:
                break
            if is_rate:
                self.rate.add(sl)
                picks.append(sl)
            elif n[sl[0]] < MAX_TERMS:
                n[sl[0]] += 1
                picks.append(sl)
        if not picks:
            return False
        self.solve(picks)
        return True


def fit_planet(planet, data, log, max_rounds=40, batch=40):
    f = Fit(planet, data)
    t0 = time.time()
    st = f.stats()
    log(f"{planet}: start  L max {st['L_max']:.2f}\"  dr/r max {st['rrel_max']:.2e}")
    # the constant and rate of lambda absorb what the mean elements miss
    zeros = [(e, (0,) * 8) for e in FIT_ELEMENTS]
    for z in zeros:
        f.coef[z] = np.zeros(4)
        f.rate.add(z)
    f.solve(zeros)
    cands = candidates(planet)
    f.prepare(cands)
    log(f"  {len(cands)} candidate arguments, prepared in {time.time() - t0:.0f} s")
    lt, rt, rrel = TARGET[planet]
    for rnd in range(max_rounds):
        if not f.grow(batch, log):
            break
        if rnd % 8 == 7:
            f.solve(list(f.coef))
        st = f.stats()
        log(f"  round {rnd + 1}: {f.counts()}  L max {st['L_max']:.2f}\" rms {st['L_rms']:.2f}\""
            f"  dr max {st['r_max']:.2e} dr/r max {st['rrel_max']:.2e}  ({time.time() - t0:.0f} s)")
        okL = st["L_max"] < 0.6 * lt
        okr = (st["r_max"] < 0.6 * rt) if rt else (st["rrel_max"] < 0.6 * rrel)
        if okL and okr:
            break
    for _ in range(2):
        f.solve(list(f.coef))
    return f


def round_terms(f: Fit, res: float):
    """Coefficients in table units, rounded to res; tiny terms dropped."""
    out = {}
    for (e, m), v in f.coef.items():
        u = np.round(np.asarray(v) / pm.SCALE[f.planet][e] / res) * res
        if np.any(u != 0):
            out[(e, m)] = u * pm.SCALE[f.planet][e]
    return out


def rounded_fit(f: Fit, res: float):
    """Round the coefficients to what the table holds and re-evaluate."""
    f.coef = round_terms(f, res)
    f.rate = {sl for sl in f.rate if sl in f.coef}
    f.evaluate()
    return f


# ---------------------------------------------------------------------------
# Pluto

def fit_pluto(data, log):
    t = pm.pluto_years(data[:, 0])
    L = np.unwrap(data[:, 1]) / ARCSEC
    B = data[:, 2] / ARCSEC
    R = data[:, 3]
    nt = pm.PLUTO_N * t

    def lin(y, nh):
        cols = [np.ones_like(t), t]
        for i in range(1, nh + 1):
            cols += [np.sin(i * nt), np.cos(i * nt)]
        A = np.array(cols).T
        x = np.linalg.lstsq(A, y, rcond=None)[0]
        amp = np.hypot(x[2::2], x[3::2])
        ph = np.remainder(np.arctan2(x[3::2], x[2::2]), 2 * math.pi)
        return x[0], x[1], amp, ph

    l0, l1, A, phi = lin(L, pm.PLUTO_NL)
    # l0 near the reference longitude of the old series, whole turns aside
    l0 = l0 - 1296000.0 * math.floor((l0 - 860205.103) / 1296000.0 + 0.5)
    b0, b1, Bb, psi = lin(B, pm.PLUTO_NB)
    r0, r1, C, chi = lin(R, pm.PLUTO_NR)
    return {"l0": l0, "l1": l1, "b0": b0, "b1": b1, "r0": r0, "r1": r1,
            "A": A, "phi": phi, "B": Bb, "psi": psi, "C": C, "chi": chi}


def round_pluto(ps):
    """Round to the digits written out (what the program gets)."""
    q = dict(ps)
    q["l0"] = round(ps["l0"], 4)
    q["l1"] = round(ps["l1"], 7)
    q["b0"] = round(ps["b0"], 4)
    q["b1"] = round(ps["b1"], 7)
    q["r0"] = round(ps["r0"], 8)
    q["r1"] = round(ps["r1"], 11)
    q["A"] = np.round(ps["A"], 4)
    q["B"] = np.round(ps["B"], 4)
    q["C"] = np.round(ps["C"], 8)
    for k in ("phi", "psi", "chi"):
        q[k] = np.round(ps[k], 7)
    return q


def pluto_stats(ps, data, mask):
    t = pm.pluto_years(data[:, 0])
    L, B, R = pm.pluto_position(ps, t)
    dL = pm.wrap(data[:, 1] - L * ARCSEC) / ARCSEC
    dB = data[:, 2] / ARCSEC - B
    dR = data[:, 3] - R
    r = {}
    for name, d in (("L", dL), ("B", dB), ("R", dR)):
        d = d[mask]
        r[name + "_max"] = float(np.abs(d).max())
        r[name + "_rms"] = float(math.sqrt(np.mean(d ** 2)))
    return r


# ---------------------------------------------------------------------------
# output

def fmt(x: float) -> str:
    if x == 0:
        return "0"
    s = f"{x:.1f}"
    return s[:-2] if s.endswith(".0") else s


def sorted_terms(planet, e, coef):
    scale = pm.SCALE[planet][e]
    fitted = []
    for (ee, m), v in coef.items():
        if ee == e:
            u = np.asarray(v) / scale
            fitted.append((m, u))
    fitted.sort(key=lambda x: (-math.hypot(x[1][0], x[1][1]), x[0]))
    rows = [(tuple(t["m"]), np.array([t["s"], t["c"], t["st"], t["ct"]]), True)
            for t in pm.LISTED[planet].get(e, [])]
    rows += [(m, u, False) for m, u in fitted]
    return rows


def write_cpp(path, planets, pluto, script):
    lines = [
        f"// Generated by tools/planet_terms/{script}; do not edit by hand.",
        "// Periodic terms fitted to the Swiss Ephemeris (heliocentric, geometric,",
        "// ecliptic and equinox of 2000), 1800-2100; see tools/planet_terms/README.md.",
        '#include "engine/planet_terms.h"',
        "",
        "namespace sidora::engine {",
        "",
        "namespace {",
        "",
    ]
    names = {"lambda": "l"}
    for planet, coef in planets.items():
        for e in pm.ELEMENTS:
            rows = sorted_terms(planet, e, coef)
            if not rows:
                continue
            lines.append(f"const PeriodicTerm {planet}_{names.get(e, e)}[] = {{")
            for m, u, listed in rows:
                ms = ", ".join(str(int(x)) for x in m)
                cs = ", ".join(fmt(float(x)) for x in u)
                lines.append(f"    {{{{{ms}}}, {cs}}},")
            lines.append("};")
        lines.append("")
    lines.append("const double pluto_A[] = {" + ", ".join(f"{x:.4f}" for x in pluto["A"]) + "};")
    lines.append("const double pluto_phi[] = {" + ", ".join(f"{x:.7f}" for x in pluto["phi"]) + "};")
    lines.append("const double pluto_B[] = {" + ", ".join(f"{x:.4f}" for x in pluto["B"]) + "};")
    lines.append("const double pluto_psi[] = {" + ", ".join(f"{x:.7f}" for x in pluto["psi"]) + "};")
    lines.append("const double pluto_C[] = {" + ", ".join(f"{x:.8f}" for x in pluto["C"]) + "};")
    lines.append("const double pluto_chi[] = {" + ", ".join(f"{x:.7f}" for x in pluto["chi"]) + "};")
    lines += ["", "}  // namespace", ""]
    const = {"mars": "kMarsTerms", "jupiter": "kJupiterTerms", "saturn": "kSaturnTerms",
             "uranus": "kUranusTerms", "neptune": "kNeptuneTerms"}
    for planet, coef in planets.items():
        parts = []
        for e in pm.ELEMENTS:
            n = len(sorted_terms(planet, e, coef))
            scale = "1e-7" if pm.SCALE[planet][e] == 1e-7 else "1e-6"
            arr = f"{planet}_{names.get(e, e)}" if n else "nullptr"
            parts.append(f"{{{arr}, {n}, {scale}}}")
        lines.append(f"const PlanetTerms {const[planet]} = {{")
        lines.append("    " + ",\n    ".join(parts) + ",")
        lines.append("};")
    p = pluto
    lines += [
        "",
        "const PlutoSeries kPlutoSeries = {",
        f"    {p['l0']:.4f}, {p['l1']:.7f}, {p['b0']:.4f}, {p['b1']:.7f}, {p['r0']:.8f}, {p['r1']:.11f},",
        f"    pluto_A, pluto_phi, {len(p['A'])},",
        f"    pluto_B, pluto_psi, {len(p['B'])},",
        f"    pluto_C, pluto_chi, {len(p['C'])},",
        "};",
        "",
        "}  // namespace sidora::engine",
        "",
    ]
    with open(path + ".tmp", "w") as fh:
        fh.write("\n".join(lines))
    os.replace(path + ".tmp", path)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(HERE))
    ap.add_argument("--out", default=os.path.join(root, "src/engine/planet_terms_data.cpp"))
    ap.add_argument("--work", default="/tmp/planet_terms")
    ap.add_argument("--planets", default=",".join(pm.PLANETS))
    ap.add_argument("--reuse", action="store_true",
                    help="take fitted terms of planets not refitted from the work dir")
    args = ap.parse_args()

    def log(s):
        print(s, flush=True)

    todo = [p for p in args.planets.split(",") if p]
    results = {}
    saved = os.path.join(args.work, "fitted.json")
    if args.reuse and os.path.exists(saved):
        with open(saved) as fh:
            for planet, rows in json.load(fh).items():
                results[planet] = {(e, tuple(m)): np.array(v) for e, m, v in rows}
    summary = {}
    for planet in todo:
        data = reference(planet, args.work)
        f = fit_planet(planet, data, log)
        st = f.stats()
        log(f"  fitted:  L max {st['L_max']:.2f}\" rms {st['L_rms']:.2f}\"  dr max {st['r_max']:.2e}"
            f"  dr/r max {st['rrel_max']:.2e}")
        rounded_fit(f, RESOLUTION[planet])
        st = f.stats()
        log(f"  rounded: L max {st['L_max']:.2f}\" rms {st['L_rms']:.2f}\"  dr max {st['r_max']:.2e}"
            f"  dr/r max {st['rrel_max']:.2e}  terms {f.counts()}")
        results[planet] = f.coef
        summary[planet] = st
        os.makedirs(args.work, exist_ok=True)
        with open(saved, "w") as fh:
            json.dump({p: [(e, list(m), list(map(float, v))) for (e, m), v in c.items()]
                       for p, c in results.items()}, fh)
    missing = [p for p in pm.PLANETS if p not in results]
    if missing:
        sys.exit(f"no terms for {missing}; run them or use --reuse")

    pdata = reference("pluto", args.work)
    ps = round_pluto(fit_pluto(pdata, log))
    mask = (pdata[:, 0] >= CHECK_FIRST) & (pdata[:, 0] <= CHECK_LAST)
    pst = pluto_stats(ps, pdata, mask)
    log(f"pluto: L max {pst['L_max']:.3f}\" B max {pst['B_max']:.3f}\" R max {pst['R_max']:.2e}")

    write_cpp(args.out, {p: results[p] for p in pm.PLANETS}, ps, os.path.basename(__file__))
    log(f"wrote {args.out}")


if __name__ == "__main__":
    main()
