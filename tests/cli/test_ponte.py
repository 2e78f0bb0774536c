#!/usr/bin/env python3
"""voro-cli on a bridge of several spans, as a user runs it: the whole bridge
against each span on rigid piers, the JSON's spans and piers, and bad piers
refused by name with nothing written."""
import json
import pathlib
import tempfile
import unittest

from voro_cli import ROOT, run

BRIDGE = ROOT / "examples" / "ponti" / "ponte-tre-campate.vro"


def with_piers(record):
    """The bundled bridge with its "Campate" line replaced."""
    lines = BRIDGE.read_bytes().split(b"\r\n")
    lines = [l for l in lines if not l.startswith(b'"Campate"')]
    return b"\r\n".join(lines[:-1] + [b'"Campate",' + record.encode(), b""])


class Ponte(unittest.TestCase):
    def test_the_piers_cost_against_each_span_alone(self):
        bridge = json.loads(run("assess", BRIDGE, "--json", "--sweep", "0").stdout)
        self.assertEqual([s["span"] for s in bridge["spans"]], [1, 2, 3])
        self.assertEqual([p["pier"] for p in bridge["piers"]], [1, 2])
        self.assertTrue(all(p["baseN"] > 0 for p in bridge["piers"]))
        kinds = {m.get("kind") for m in bridge["mechanism"]}
        self.assertIn("pier rocking", kinds)
        self.assertTrue(all(("span" in m) != ("pier" in m) for m in bridge["mechanism"]))
        alone = json.loads(run("assess", BRIDGE, "--json", "--sweep", "0", "--span", "1").stdout)
        self.assertNotIn("spans", alone)
        self.assertLess(bridge["liveLoadFactor"], alone["liveLoadFactor"] / 10)
        text = run("assess", BRIDGE, "--sweep", "0").stdout
        self.assertIn("pier 1 base (the pier rocks about", text)
        self.assertIn("Spans and piers", text)

    def test_solve_takes_each_span_alone(self):
        spans = json.loads(run("solve", BRIDGE, "--json").stdout)
        self.assertEqual([(s["span"], s["spans"]) for s in spans], [(1, 3), (2, 3), (3, 3)])
        self.assertIn("Span 2 of 3 of the bridge", run("solve", BRIDGE).stdout)

    def test_report_gives_each_span_its_three_hinges(self):
        with tempfile.TemporaryDirectory() as d:
            out = pathlib.Path(d) / "r.txt"
            r = run("report", BRIDGE, "--out", out)
            self.assertEqual(r.returncode, 0, r.stderr)
            text = out.read_text(encoding="utf-8")
            table = text.split("Each span alone on rigid springings")[1].split("References")[0]
            rows = [l.split() for l in table.splitlines() if l.strip()[:1].isdigit() and len(l.split()) == 9]
            self.assertEqual([row[0] for row in rows], ["1", "2", "3"])
            # The same spans, the same loads where they stand on each: the same hinges and forces.
            self.assertEqual(rows[0][1:], rows[1][1:])
            solved = json.loads(run("solve", BRIDGE, "--json").stdout)
            self.assertAlmostEqual(float(rows[1][4]), solved[1]["HSinistra"], places=2)

    def test_bad_piers_are_refused_by_name(self):
        ring = "0,0,1,12,3.5,.6,36"
        cases = [
            ("-0.5,6,0,0,20", "the spans overlap"),
            ("0.2,6,0,0,20", "Pier 1: its width 0.2 m is less than that of the two springings"),
            ("1.2,0,0,0,20", "Height of the pier"),
            ("1.2,6,-0.3,-0.3,20", "the batters leave a base width"),
        ]
        for pier, words in cases:
            with self.subTest(pier=pier), tempfile.TemporaryDirectory() as d:
                f = pathlib.Path(d) / "bad.vro"
                f.write_bytes(with_piers(pier + "," + ring + "," + pier + "," + ring))
                plot = pathlib.Path(d) / "bad.svg"
                r = run("assess", f, "--span", "1", "--plot", plot)
                self.assertEqual(r.returncode, 1, r.stderr)
                self.assertIn(words, r.stderr + r.stdout)
                self.assertFalse(plot.exists())
        # A ring that cannot be built, said of its span.
        with tempfile.TemporaryDirectory() as d:
            f = pathlib.Path(d) / "flat.vro"
            f.write_bytes(with_piers("1.2,6,0,0,20,0,0,1,12,3.5,.6,36,1.2,6,0,0,20,0,0,1,12,7,.6,36"))
            r = run("assess", f)
            self.assertEqual(r.returncode, 1)
            self.assertIn("Span 3: Ring", r.stderr + r.stdout)
        # A span springing below its pier's base.
        with tempfile.TemporaryDirectory() as d:
            f = pathlib.Path(d) / "low.vro"
            f.write_bytes(with_piers("1.2,6,0,0,20,-7,0,1,12,3.5,.6,36,1.2,6,0,0,20,0,0,1,12,3.5,.6,36"))
            r = run("assess", f)
            self.assertEqual(r.returncode, 1)
            self.assertIn("Span 2: its springing at level -7", r.stderr + r.stdout)


if __name__ == "__main__":
    unittest.main()
