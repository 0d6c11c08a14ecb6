#!/usr/bin/env python3
"""Tests of the data generator's own tools (python3 tools/data/test_data.py).

The full data set is checked by gen_data.py --check (layout, spirals,
shapes) and read back through Qt by check_qt.py; these tests make sure the
pieces those checks rely on catch what they are meant to catch.
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import gen_data as G   # noqa: E402
import layout as L     # noqa: E402
import qtini           # noqa: E402


class CheckValue(unittest.TestCase):
    def test_examples(self):
        for strings, expected in [(["abc"], "771902100"), ([], "7418700"),
                                  # Q = 69: (143, 0, 222, 0)
                                  (["x" * 69], "14302220"),
                                  # UTF-16 units, not bytes: 3 CJK chars, Q = 3
                                  (["中文字"], "771902100")]:
            self.assertEqual(qtini.check_value(strings), expected, strings)


class Escaping(unittest.TestCase):
    def test_texts(self):
        for text, written in [("A", "A"), (",", '","'), (";", '";"'), ("=", '"="'),
                              ("\\", "\\\\"), ('say "hi"', 'say \\"hi\\"'),
                              ("@home", "@@home"), ("ends ", '"ends "'),
                              ("", ""), ("选项", "选项"), ("a\nb", "a\\nb")]:
            self.assertEqual(qtini.escape_text(text), written, text)

    def test_lists(self):
        self.assertEqual(qtini.format_value([1, "x,y", 3]), '1, "x,y", 3')
        self.assertEqual(qtini.format_value([True, False]), "true, false")
        for bad in ([], ["one"]):
            with self.assertRaises(ValueError):
                qtini.format_value(bad)

    def test_keys_needing_escapes_are_refused(self):
        with self.assertRaises(ValueError):
            qtini.render([("g", [("a b", 1)])])


def fake_key(name, x, row, ktype=1, matrix=0):
    return L.Key(name, name, x, ktype, matrix, row)


class Adjacency(unittest.TestCase):
    def test_cases(self):
        a = fake_key("A", 52, 3)
        s = fake_key("S", 82, 3)
        d = fake_key("D", 112, 3)
        w = fake_key("W", 75, 2)
        z = fake_key("Z", 68, 4)
        keys = [a, s, d, w, z]
        self.assertTrue(G.adjacent(a, s, keys))
        self.assertFalse(G.adjacent(a, d, keys))    # S lies between
        self.assertTrue(G.adjacent(s, w, keys))     # staggered row above
        self.assertTrue(G.adjacent(a, z, keys))
        self.assertFalse(G.adjacent(d, z, keys))    # diagonal, no column overlap

    def test_walk_rejects_a_jump(self):
        bad = list(L.SPIRAL_1)
        bad[10], bad[11] = bad[11], bad[10]          # '[' before '-'
        with self.assertRaises(G.CheckError):
            G.walk_spiral(bad)

    def test_walk_rejects_an_outward_spiral(self):
        with self.assertRaises(G.CheckError):
            G.walk_spiral(list(reversed(L.SPIRAL_1)), block=(0, 1, 2, 3))


class Layout(unittest.TestCase):
    def test_whole_data_set_passes(self):
        G.run_checks(G.all_files())

    def test_tall_keys_join_the_lower_row_of_the_preview(self):
        rows = G.preview_rows()
        plus = L.KEY_BY_MATRIX[106]
        self.assertIn(plus, rows[3])
        self.assertEqual([len(r) for r in rows], [16, 21, 20, 17, 16, 14])

    def test_profile_codes_follow_the_hardware_definition(self):
        prof = dict(G.profile())
        kd = dict(prof["keydefine0"])
        for k in L.KEYS:
            self.assertEqual(kd[str(k.matrix)], [k.code & 0xFF, k.code >> 8])
        self.assertEqual(kd["13"], [0, 0])           # no key there


if __name__ == "__main__":
    unittest.main()
