#!/usr/bin/env python3
"""Writes data/texty/Tsuma.dat and data/Partner/Psuma.dat, the sum files of the natal and the
partner texts, from natal/*.txt and partner/*.txt (UTF-8, one file per group, in the sum format).

The checks are those of make_nsuma.py; a name must be one the editors build, with every number
in its list's range. With --check the files are only compared with what would be written."""
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
