#!/usr/bin/env python3
"""Writes data/numera/Nsuma.dat, the numerology texts' sum file, from numera/numera.txt.

The source is UTF-8 in the sum format: an "@NAME" line names a text, the lines after it are
the text. The output is Windows-1250 with CR LF. Refused: a name outside V1..V9, C1x0..C9x4,
C1xn..C9xn, a missing or repeated name, an empty text, a character Windows-1250 lacks.
With --check the file is only compared with what would be written."""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE / "numera" / "numera.txt"
TARGET = HERE.parent.parent / "data" / "numera" / "Nsuma.dat"

NAMES = [f"V{d}.txt" for d in range(1, 10)] + [
    f"C{d}x{n}.txt" for d in range(1, 10) for n in [*map(str, range(5)), "n"]]


def build(text, accept=NAMES.__contains__, required=NAMES):
    """The sum file's bytes; `accept` checks a name, every name of `required` must be there."""
    texts, order = {}, []
    current = None
    for number, line in enumerate(text.splitlines(), 1):
        if line.startswith("@"):
            current = line[1:]
            if not accept(current):
                raise ValueError(f"řádek {number}: neplatný název textu {current!r}")
            if current in texts:
                raise ValueError(f"řádek {number}: text {current} je uveden dvakrát")
            texts[current] = []
            order.append(current)
        elif current is None:
            raise ValueError(f"řádek {number}: text bez názvu")
        else:
            texts[current].append(line)
    missing = [n for n in required if n not in texts]
    if missing:
        raise ValueError("chybí texty: " + ", ".join(missing))
    out = []
    for name in order:
        lines = texts[name]
        while lines and not lines[-1].strip():
            lines.pop()
        if not lines:
            raise ValueError(f"text {name} je prázdný")
        out.append("@" + name)
        out.extend(lines)
    joined = "\r\n".join(out) + "\r\n"
    try:
        return joined.encode("cp1250")
    except UnicodeEncodeError as e:
        raise ValueError(f"znak {joined[e.start]!r} nelze zapsat ve Windows-1250")


def main():
    try:
        data = build(SOURCE.read_text(encoding="utf-8"))
    except ValueError as e:
        print(f"{SOURCE.name}: {e}", file=sys.stderr)
        return 1
    if "--check" in sys.argv:
        if not TARGET.exists() or TARGET.read_bytes() != data:
            print(f"{TARGET} neodpovídá zdroji; spusťte {pathlib.Path(__file__).name}", file=sys.stderr)
            return 1
        return 0
    TARGET.parent.mkdir(parents=True, exist_ok=True)
    TARGET.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
