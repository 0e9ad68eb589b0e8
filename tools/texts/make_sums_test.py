#!/usr/bin/env python3
"""What make_sums.py refuses and what it writes."""
import pathlib
import tempfile
import unittest

import make_nsuma
import make_sums

NATAL = make_sums.in_range(make_sums.NATAL)
PARTNER = make_sums.in_range(make_sums.PARTNER)


class Sums(unittest.TestCase):
    def test_names(self):
        for name, natal, partner in [("P1Z1D0A0P0Z0D0.txt", True, False), ("RP4Z0D0A2P5Z0D0.txt", False, True),
                                     ("P24Z12D12A18P24Z12D12.txt", True, False), ("P25Z0D0A0P0Z0D0.txt", False, False),
                                     ("P01Z0D0A0P0Z0D0.txt", False, False), ("P1Z1D0A19P0Z0D0.txt", False, False),
                                     ("P1Z1D0A0P0Z0D0", False, False), ("", False, False)]:
            self.assertEqual((NATAL(name), PARTNER(name)), (natal, partner), name)

    def test_refusals(self):
        for text in ["@P1Z1D0A0P0Z0D0.txt\n\n", "text\n@P1Z1D0A0P0Z0D0.txt\na\n",
                     "@P1Z1D0A0P0Z0D0.txt\na\n@P1Z1D0A0P0Z0D0.txt\nb\n", "@P1Z1D0A0P0Z0D0.txt\nšipka →\n",
                     "@\nx\n", "@P1Z1D0A0P0Z0D0.txt\na\n@@b\n", "@P0Z0D13A0P0Z0D0.txt\na\n"]:
            with self.assertRaises(ValueError, msg=text):
                make_nsuma.build(text, NATAL, ())

    def test_bytes(self):
        data = make_nsuma.build("@P1Z1D0A0P0Z0D0.txt\nŽlutý kůň\n\n", NATAL, ())
        self.assertEqual(data, b"@P1Z1D0A0P0Z0D0.txt\r\n\x8elut\xfd k\xf9\xf2\r\n")

    def test_complete(self):
        with tempfile.TemporaryDirectory() as d:
            source = pathlib.Path(d)
            # One sign text, a house text in the wrong file, and a file of no group.
            (source / "signs.txt").write_text("@P1Z1D0A0P0Z0D0.txt\na\n@P1Z0D1A0P0Z0D0.txt\nb\n")
            (source / "extra.txt").write_text("@P2Z1D0A0P0Z0D0.txt\nc\n")
            report = make_sums.completeness("natal", source)
        self.assertTrue(any(p.startswith("natal/signs.txt: chybí 131 z 132: P1Z2D0A0P0Z0D0.txt,")
                            for p in report), report)
        self.assertIn("natal/signs.txt: mimo skupinu: P1Z0D1A0P0Z0D0.txt", report)
        self.assertIn("natal/extra.txt: soubor nepatří žádné skupině", report)
        self.assertTrue(any(p.startswith("natal/aspects.txt: chybí 225 z 225") for p in report))
        self.assertEqual(len(make_sums.GROUPS["natal"]["aspects"]), 225)
        self.assertIn("P9Z0D0A5P10Z0D0.txt", make_sums.GROUPS["natal"]["aspects"])
        self.assertNotIn("P10Z0D0A5P9Z0D0.txt", make_sums.GROUPS["natal"]["aspects"])
        self.assertEqual(sum(map(len, make_sums.GROUPS["natal"].values())), 633)
        self.assertEqual(sum(map(len, make_sums.GROUPS["partner"].values())), 389)


if __name__ == "__main__":
    unittest.main()
