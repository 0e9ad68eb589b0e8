#!/usr/bin/env python3
"""Generate data/LC.dat, the summer-time table of the Czech lands, 1916..2030.

Source of truth is the system tz database (zone Europe/Prague).  The table is
checked hour by hour against that zone before anything is written.

Usage: python3 tools/lc_dat/gen_lc_dat.py data/LC.dat [--zonefile PATH]
"""

from __future__ import annotations

import argparse
import os
import struct
import sys
from dataclasses import dataclass
from datetime import date, datetime, timedelta, timezone
from zoneinfo import ZoneInfo

FIRST_YEAR = 1916
LAST_YEAR = 2030

DEFAULT_ZONEFILE = "/usr/share/zoneinfo/Europe/Prague"
TZDATA_ZI = "/usr/share/zoneinfo/tzdata.zi"

SEC = timezone(timedelta(hours=1))   # standard time, the clock the starts are written in
SELC = timezone(timedelta(hours=2))  # summer time, the clock the ends are written in
SUMMER_OFFSET = timedelta(hours=2)

# One record: year, four flags, two periods of (month, day, hour) start + end.
RECORD = struct.Struct("<i4B6B6B")
assert RECORD.size == 20

# The program's own default record uses this period; years without a real
# period carry it too so the file matches what the program would make itself.
FILLER = (3, 28, 2, 9, 28, 2)

ZAVEDEN, NEZAVEDEN, CELY_ROK, DVAKRAT = "zaveden", "nezaveden", "cely_rok", "dvakrat"
KINDS = (ZAVEDEN, NEZAVEDEN, CELY_ROK, DVAKRAT)

# Coarse scan step; every change found is then narrowed to the exact second.
SCAN_STEP = timedelta(minutes=15)


class GenError(Exception):
    pass


@dataclass(frozen=True)
class Rec:
    rok: int
    kind: str
    p1: tuple[int, int, int, int, int, int]
    p2: tuple[int, int, int, int, int, int]

    def pack(self) -> bytes:
        flags = [1 if self.kind == k else 0 for k in KINDS]
        return RECORD.pack(self.rok, *flags, *self.p1, *self.p2)

    @classmethod
    def unpack(cls, raw: bytes) -> "Rec":
        f = RECORD.unpack(raw)
        flags = f[1:5]
        if sum(flags) != 1 or any(x not in (0, 1) for x in flags):
            raise GenError(f"record {f[0]}: flags {flags} must have exactly one set")
        return cls(f[0], KINDS[flags.index(1)], tuple(f[5:11]), tuple(f[11:17]))


# ---------------------------------------------------------------------------
# Reading the zone


def load_zone(path: str) -> ZoneInfo:
    # Read the file directly so a pip "tzdata" package can never stand in for
    # the system database.
    with open(path, "rb") as fh:
        return ZoneInfo.from_file(fh, key="Europe/Prague")


def tzdata_version() -> str:
    try:
        with open(TZDATA_ZI, encoding="ascii") as fh:
            first = fh.readline().strip()
        if first.startswith("# version "):
            return first[len("# version "):]
    except OSError:
        pass
    return "unknown"


def offset_at(zone: ZoneInfo, utc: datetime) -> timedelta:
    return utc.astimezone(zone).utcoffset()


def transitions(zone: ZoneInfo, begin: datetime, end: datetime):
    """Yield (instant, old offset, new offset) for every offset change in [begin, end)."""
    t = begin
    off = offset_at(zone, t)
    while t < end:
        nxt = t + SCAN_STEP
        noff = offset_at(zone, nxt)
        if noff != off:
            # Bisect to the second: lo has the old offset, hi the new one.
            lo, hi = t, nxt
            while hi - lo > timedelta(seconds=1):
                mid = lo + (hi - lo) / 2
                mid = mid.replace(microsecond=0)
                if offset_at(zone, mid) == off:
                    lo = mid
                else:
                    hi = mid
            # Two changes inside one step would hide behind each other.
            if offset_at(zone, hi) != noff:
                raise GenError(f"more than one offset change between {t} and {nxt}")
            yield hi, off, noff
            off = noff
        t = nxt


def summer_intervals(zone: ZoneInfo, begin: datetime, end: datetime):
    """Half-open UTC intervals within [begin, end) where the offset is +2 h."""
    out = []
    start = begin if offset_at(zone, begin) == SUMMER_OFFSET else None
    for when, old, new in transitions(zone, begin, end):
        if when.timestamp() % 3600:
            raise GenError(f"transition at {when.isoformat()} is not on a whole hour")
        if old != SUMMER_OFFSET and new == SUMMER_OFFSET:
            start = when
        elif old == SUMMER_OFFSET and new != SUMMER_OFFSET:
            out.append((start, when))
            start = None
    if start is not None:
        out.append((start, end))
    return out


# ---------------------------------------------------------------------------
# Building the records


def year_bounds(year: int) -> tuple[datetime, datetime]:
    # The program's year is counted in standard time.
    return datetime(year, 1, 1, tzinfo=SEC), datetime(year + 1, 1, 1, tzinfo=SEC)


def mdh(dt: datetime) -> tuple[int, int, int]:
    if dt.minute or dt.second or dt.microsecond:
        raise GenError(f"{dt.isoformat()} is not a whole hour")
    return dt.month, dt.day, dt.hour


def encode_period(year: int, a: datetime, b: datetime) -> tuple[int, ...]:
    ys, ye = year_bounds(year)
    start = (1, 1, 0) if a == ys else mdh(a.astimezone(SEC))
    if b == ye:
        end = (12, 31, 24)
    else:
        local = b.astimezone(SELC)
        # The last standard hour of the year is already 1 Jan in summer time.
        end = (12, 31, 24) if local.year > year else mdh(local)
    return start + end


def build_records(intervals) -> list[Rec]:
    recs = []
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        ys, ye = year_bounds(year)
        cut = [(max(a, ys), min(b, ye)) for a, b in intervals if a < ye and b > ys]
        if not cut:
            recs.append(Rec(year, NEZAVEDEN, FILLER, FILLER))
        elif cut == [(ys, ye)]:
            recs.append(Rec(year, CELY_ROK, FILLER, FILLER))
        elif len(cut) == 1:
            p = encode_period(year, *cut[0])
            recs.append(Rec(year, ZAVEDEN, p, p))
        elif len(cut) == 2:
            recs.append(Rec(year, DVAKRAT, encode_period(year, *cut[0]),
                            encode_period(year, *cut[1])))
        else:
            raise GenError(f"{year}: {len(cut)} summer periods, the record holds two")
    return recs


# ---------------------------------------------------------------------------
# Checking


def day_of_year(year: int, month: int, day: int) -> int:
    return (date(year, month, day) - date(year, 1, 1)).days


def is_summer(rec: Rec, month: int, day: int, hour: int) -> bool:
    """The program's lookup: wall-clock date and hour against the record."""
    if rec.kind == NEZAVEDEN:
        return False
    if rec.kind == CELY_ROK:
        return True
    t = day_of_year(rec.rok, month, day) * 24 + hour
    periods = [rec.p1] if rec.kind == ZAVEDEN else [rec.p1, rec.p2]
    for om, od, oh, dm, dd, dh in periods:
        s = day_of_year(rec.rok, om, od) * 24 + oh
        e = day_of_year(rec.rok, dm, dd) * 24 + dh
        if s <= t < e:
            return True
    return False


def check_fields(recs: list[Rec]) -> list[str]:
    errs = []
    years = [r.rok for r in recs]
    if years != list(range(FIRST_YEAR, LAST_YEAR + 1)):
        errs.append("years are not 1916..2030 in order")
    for r in recs:
        for p in (r.p1, r.p2):
            for m, d, h in (p[:3], p[3:]):
                try:
                    date(r.rok, m, d)
                except ValueError:
                    errs.append(f"{r.rok}: bad date {m}.{d}.")
                if not 0 <= h <= 24:
                    errs.append(f"{r.rok}: bad hour {h}")
        if r.kind == ZAVEDEN and r.p1 != r.p2:
            errs.append(f"{r.rok}: single period but the two copies differ")
        if r.kind in (NEZAVEDEN, CELY_ROK) and (r.p1, r.p2) != (FILLER, FILLER):
            errs.append(f"{r.rok}: {r.kind} without the default filler")
    return errs


def check_hourly(zone: ZoneInfo, recs: list[Rec]) -> tuple[list[str], int]:
    """Compare the lookup with the zone for every hour 1916..2030.

    Returns (mismatches, excused).  The only excused hour is the repeated
    wall-clock hour after falling back: the lookup cannot tell its two
    occurrences apart and calls both summer.  The skipped hour at
    spring-forward never shows on a wall clock, so it never comes up here.
    """
    by_year = {r.rok: r for r in recs}
    bad, excused = [], 0
    u, end = year_bounds(FIRST_YEAR)[0], year_bounds(LAST_YEAR)[1]
    hour = timedelta(hours=1)
    while u < end:
        wall = u.astimezone(zone)
        actual = wall.utcoffset() == SUMMER_OFFSET
        rec = by_year.get(wall.year)
        predicted = rec is not None and is_summer(rec, wall.month, wall.day, wall.hour)
        if predicted != actual:
            if wall.fold == 1 and predicted and not actual:
                excused += 1
            else:
                bad.append(f"{wall.isoformat()} (UTC {u.astimezone(timezone.utc):%Y-%m-%d %H:%M}):"
                           f" table says {'summer' if predicted else 'not summer'}")
        u += hour
    return bad, excused


def last_sunday(year: int, month: int) -> int:
    d = date(year, month + 1, 1) - timedelta(days=1)
    return d.day - (d.weekday() + 1) % 7


# Known history the table has to reproduce; a tz database that disagrees
# here deserves a human look before the file ships.
HISTORY = [
    # (years, kinds allowed)
    (range(1916, 1919), {ZAVEDEN}),
    (range(1919, 1940), {NEZAVEDEN}),
    (range(1940, 1950), {ZAVEDEN, CELY_ROK, DVAKRAT}),
    (range(1950, 1979), {NEZAVEDEN}),
    (range(1979, 2031), {ZAVEDEN}),
]

FIXED = {
    1916: (4, 30, 23, 10, 1, 1),
    1985: (3, 31, 2, 9, 29, 3),
    1996: (3, 31, 2, 10, 27, 3),
    2030: (3, 31, 2, 10, 27, 3),
}


def check_history(recs: list[Rec]) -> list[str]:
    by_year = {r.rok: r for r in recs}
    errs = []
    for years, kinds in HISTORY:
        for y in years:
            if by_year[y].kind not in kinds:
                errs.append(f"{y}: {by_year[y].kind}, expected one of {sorted(kinds)}")
    for y, p in FIXED.items():
        if by_year[y].p1 != p:
            errs.append(f"{y}: period {by_year[y].p1}, expected {p}")
    # Since 1981: last Sunday of March 2 h SEČ; ends last Sunday of September
    # (to 1995) or October (from 1996) at 3 h SELČ.
    for y in range(1981, LAST_YEAR + 1):
        end_month = 9 if y <= 1995 else 10
        want = (3, last_sunday(y, 3), 2, end_month, last_sunday(y, end_month), 3)
        if by_year[y].p1 != want:
            errs.append(f"{y}: period {by_year[y].p1}, expected {want}")
    return errs


# ---------------------------------------------------------------------------


def fmt_period(p) -> str:
    om, od, oh, dm, dd, dh = p
    return f"{od:2d}.{om:2d}. {oh:2d} h SEČ  -> {dd:2d}.{dm:2d}. {dh:2d} h SELČ"


def summary(recs: list[Rec]) -> str:
    lines = ["year  kind       period(s)"]
    for r in recs:
        if r.kind == NEZAVEDEN:
            continue
        if r.kind == CELY_ROK:
            text = "whole year"
        elif r.kind == ZAVEDEN:
            text = fmt_period(r.p1)
        else:
            text = fmt_period(r.p1) + "  |  " + fmt_period(r.p2)
        lines.append(f"{r.rok}  {r.kind:<9}  {text}")
    return "\n".join(lines)


def main(argv=None) -> int:
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("output", help="path of LC.dat to write")
    ap.add_argument("--zonefile", default=DEFAULT_ZONEFILE,
                    help=f"compiled zone file (default {DEFAULT_ZONEFILE})")
    args = ap.parse_args(argv)

    try:
        zone = load_zone(args.zonefile)
    except (OSError, ValueError) as exc:
        print(f"error: cannot read zone {args.zonefile}: {exc}", file=sys.stderr)
        return 1
    # Scan a margin either side so periods crossing 1916/2030 are seen whole.
    begin = datetime(FIRST_YEAR - 1, 12, 1, tzinfo=timezone.utc)
    end = datetime(LAST_YEAR + 1, 2, 1, tzinfo=timezone.utc)

    try:
        intervals = summer_intervals(zone, begin, end)
        blob = b"".join(r.pack() for r in build_records(intervals))
        # Check what is actually going to disk, not the objects it came from.
        recs = [Rec.unpack(blob[i:i + RECORD.size]) for i in range(0, len(blob), RECORD.size)]
        errs = check_fields(recs) + check_history(recs)
        mismatches, excused = check_hourly(zone, recs)
    except GenError as exc:
        print(f"error: {exc}", file=sys.stderr)
        return 1

    print(f"tz database {tzdata_version()}, {args.zonefile}")
    print(summary(recs))
    print(f"hourly check: {len(mismatches)} mismatches, "
          f"{excused} repeated fall-back hours excused")
    for m in mismatches:
        print("  mismatch:", m, file=sys.stderr)
    for e in errs:
        print("  error:", e, file=sys.stderr)
    if mismatches or errs or len(blob) != (LAST_YEAR - FIRST_YEAR + 1) * RECORD.size:
        print("not written", file=sys.stderr)
        return 1

    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    tmp = args.output + ".tmp"
    with open(tmp, "wb") as fh:
        fh.write(blob)
    os.replace(tmp, args.output)
    print(f"wrote {args.output}: {len(recs)} records, {len(blob)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
