#!/usr/bin/env python3
"""Writes data/texty/Tsuma.dat and data/Partner/Psuma.dat, the sum files of the natal and the
partner texts, from natal/*.txt and partner/*.txt (UTF-8, one file per group, in the sum format).

The checks are those of make_nsuma.py; a name must be one the editors build, with every number
in its list's range. With --check the files are only compared with what would be written; with --complete every
group file is compared with the keys its group must hold (missing ones and strays are listed)."""
import pathlib
import re
import sys

from make_nsuma import build

HERE = pathlib.Path(__file__).resolve().parent
DATA = HERE.parent.parent / "data"

# body, sign, house, aspect, body, sign, house
RANGES = (24, 12, 12, 18, 24, 12, 12)
NUMBER = r"(0|[1-9][0-9]?)"
NATAL = re.compile(rf"P{NUMBER}Z{NUMBER}D{NUMBER}A{NUMBER}P{NUMBER}Z{NUMBER}D{NUMBER}\.txt")
PARTNER = re.compile(rf"RP{NUMBER}Z{NUMBER}D{NUMBER}A{NUMBER}P{NUMBER}Z{NUMBER}D{NUMBER}\.txt")


def in_range(pattern):
    def accept(name):
        m = pattern.fullmatch(name)
        return bool(m) and all(int(v) <= top for v, top in zip(m.groups(), RANGES))
    return accept


def natal(b=0, s=0, h=0, k=0, b2=0):
    return f"P{b}Z{s}D{h}A{k}P{b2}Z0D0.txt"


def partner(b=0, h=0, k=0, b2=0, h2=0):
    return f"RP{b}Z0D{h}A{k}P{b2}Z0D{h2}.txt"


BODIES = range(1, 11)
SIGNS = HOUSES = range(1, 13)
ASPECTS = range(1, 6)
PERSONAL = range(1, 6)  # Slunce ... Mars
# Every key each group file must hold, in the order the texts are written.
GROUPS = {
    "natal": {
        "signs": [natal(b, s) for b in range(1, 12) for s in SIGNS],
        "houses": [natal(b, h=h) for b in range(1, 12) for h in HOUSES],
        "angles": [natal(b, s) for b in (13, 14, 15, 16) for s in SIGNS],
        "cusps": [natal(s=s, h=h) for h in (2, 3, 5, 6, 8, 9, 11, 12) for s in SIGNS],
        "aspects": [natal(a, k=k, b2=b) for a in BODIES for b in BODIES if a < b for k in ASPECTS],
    },
    "partner": {
        "bodies_houses": [partner(b, h2=h) for b in BODIES for h in HOUSES],
        "houses_houses": [partner(h=n, h2=m) for n in HOUSES for m in HOUSES],
        "aspects": [partner(a, k=k, b2=b) for a in PERSONAL for b in PERSONAL for k in ASPECTS],
    },
}


def keys_of(text):
    return [line[1:] for line in text.splitlines() if line.startswith("@")]


def completeness(kind, source=None):
    """Lines naming what each group file of `kind` lacks or holds beyond its group."""
    problems = []
    source = source or HERE / kind
    for stem, expected in GROUPS[kind].items():
        group = source / f"{stem}.txt"
        present = keys_of(group.read_text(encoding="utf-8")) if group.exists() else []
        wanted = set(expected)
        missing = [k for k in expected if k not in set(present)]
        stray = [k for k in present if k not in wanted]
        if missing:
            problems.append(f"{kind}/{group.name}: chybí {len(missing)} z {len(expected)}: "
                            + ", ".join(missing))
        if stray:
            problems.append(f"{kind}/{group.name}: mimo skupinu: " + ", ".join(stray))
    for group in sorted(source.glob("*.txt")):
        if group.stem not in GROUPS[kind]:
            problems.append(f"{kind}/{group.name}: soubor nepatří žádné skupině")
    return problems


KINDS = [
    ("natal", in_range(NATAL), DATA / "texty" / "Tsuma.dat"),
    ("partner", in_range(PARTNER), DATA / "Partner" / "Psuma.dat"),
]


def build_kind(source_dir, accept):
    """The sum file of every group file, in the order of their names."""
    out, seen = b"", {}
    for group in sorted(source_dir.glob("*.txt")):
        text = group.read_text(encoding="utf-8")
        try:
            data = build(text, accept, ())
        except ValueError as e:
            raise ValueError(f"{group.name}: {e}")
        for line in text.splitlines():
            if line.startswith("@"):
                if line[1:] in seen:
                    raise ValueError(f"{group.name}: text {line[1:]} je už v {seen[line[1:]]}")
                seen[line[1:]] = group.name
        out += data
    if not seen:
        raise ValueError(f"{source_dir.name}: žádné texty")
    return out


def main():
    status = 0
    if "--complete" in sys.argv:
        problems = [p for kind in GROUPS for p in completeness(kind)]
        for p in problems:
            print(p, file=sys.stderr)
        return 1 if problems else 0
    for kind, accept, target in KINDS:
        try:
            data = build_kind(HERE / kind, accept)
        except ValueError as e:
            print(f"{kind}/{e}", file=sys.stderr)
            status = 1
            continue
        if "--check" in sys.argv:
            if not target.exists() or target.read_bytes() != data:
                print(f"{target} neodpovídá zdroji; spusťte {pathlib.Path(__file__).name}", file=sys.stderr)
                status = 1
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)
    return status


if __name__ == "__main__":
    sys.exit(main())
