#!/usr/bin/env python3
"""The shipped natal and partner texts read as texts: length, no repeats, no sentence shared
within a group, Windows-1250 with Czech diacritics, no English, every group complete.

    texts_quality_test.py [--groups natal/signs.txt partner/aspects.txt ...] [unittest options]

With --groups only the named group files are checked (and only they must be complete)."""
import re
import sys
import unittest

import make_sums

MIN_WORDS, MAX_WORDS = 40, 130
# Words a Czech text never needs; "planet" is left out, it is the Czech genitive plural too.
ENGLISH = {"the", "and", "of", "with", "is", "are", "you", "your", "yours", "planets", "sign",
           "signs", "house", "houses", "chart", "aspect", "aspects", "conjunction", "square",
           "trine", "sextile", "opposition", "ascendant", "node", "sun", "moon", "love", "life",
           "this", "that", "for", "from", "will", "have", "not", "but"}
DIACRITICS = set("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ")
SENTENCE_END = re.compile(r"(?<=[.!?…])\s+")
WORD = re.compile(r"[^\W\d_]+")


def read_group(path):
    """{key: text} of one group file, the text's lines joined by spaces."""
    texts, key = {}, None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("@"):
            key = line[1:]
            texts[key] = []
        elif key is not None:
            texts[key].append(line.strip())
    return {k: " ".join(l for l in v if l) for k, v in texts.items()}


def sentences(text):
    # A sentence of two words ("Proč ne?") may fairly recur; longer ones are a template's sign.
    return [s for s in SENTENCE_END.split(text) if len(WORD.findall(s)) > 2]


def problems(groups):
    """Every fault of the texts of `groups` ({group name: {key: text}}), one line each."""
    found, first_seen = [], {}
    for group, texts in groups.items():
        owner = {}
        for key, text in texts.items():
            where = f"{group}: {key}"
            words = WORD.findall(text)
            if not MIN_WORDS <= len(words) <= MAX_WORDS:
                found.append(f"{where}: {len(words)} slov")
            if text in first_seen:
                found.append(f"{where}: stejný text jako {first_seen[text]}")
            first_seen.setdefault(text, where)
            try:
                text.encode("cp1250")
            except UnicodeEncodeError as e:
                found.append(f"{where}: znak {text[e.start]!r} mimo Windows-1250")
            if not DIACRITICS & set(text):
                found.append(f"{where}: bez české diakritiky")
            english = sorted({w for w in words if w.lower() in ENGLISH})
            if english:
                found.append(f"{where}: anglická slova " + ", ".join(english))
            for s in set(sentences(text)):
                if s in owner and owner[s] != key:
                    found.append(f"{where}: věta „{s}“ je i v {owner[s]}")
                owner.setdefault(s, key)
    return found


def selected():
    """The group files to check: those named after --groups, else every group of every kind."""
    names = [(kind, stem) for kind in make_sums.GROUPS for stem in make_sums.GROUPS[kind]]
    if GROUPS_ARG:
        names = [tuple(n.removesuffix(".txt").split("/", 1)) for n in GROUPS_ARG]
    return names


class Checker(unittest.TestCase):
    def test_catches_faults(self):
        long_ok = "Máte v sobě klid, který druhé uklidní. " + "slovo " * 40
        groups = {
            "a": {"K1": "Krátký text.", "K2": long_ok, "K3": long_ok,
                  "K4": "Your sun " + "slovo " * 40 + "→", "K5": "Máte v sobě klid, který druhé uklidní. "
                  + "jiné " * 40, "K6": "bez hacku " * 30},
            "b": {"K7": "Máte v sobě klid, který druhé uklidní. " + "další " * 40},
        }
        report = "\n".join(problems(groups))
        for fault in ["a: K1: 2 slov", "K3: stejný text jako a: K2", "K4: anglická slova Your, sun",
                      "K4: znak '→'", "K4: bez české diakritiky", "K5: věta „Máte v sobě klid",
                      "K6: bez české diakritiky"]:
            self.assertIn(fault, report)
        self.assertNotIn("K7: věta", report, "a sentence may recur in another group")


class Texts(unittest.TestCase):
    def test_quality(self):
        groups = {}
        for kind, stem in selected():
            path = make_sums.HERE / kind / f"{stem}.txt"
            self.assertTrue(path.exists(), path)
            groups[f"{kind}/{stem}"] = read_group(path)
        found = problems(groups)
        self.assertFalse(found, f"{len(found)} chyb:\n" + "\n".join(found))

    def test_complete(self):
        wanted = set(selected())
        found = [p for kind in make_sums.GROUPS for p in make_sums.completeness(kind)
                 if not GROUPS_ARG or any(p.startswith(f"{k}/{s}.txt:") for k, s in wanted)]
        self.assertFalse(found, "\n".join(found))


GROUPS_ARG = []
if __name__ == "__main__":
    args = sys.argv[1:]
    if "--groups" in args:
        i = args.index("--groups")
        j = i + 1
        while j < len(args) and not args[j].startswith("-"):
            j += 1
        GROUPS_ARG, args = args[i + 1:j], args[:i] + args[j:]
    unittest.main(argv=[sys.argv[0], *args])
