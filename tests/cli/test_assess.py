#!/usr/bin/env python3
"""voro-cli assess as a user runs it: every example, the JSON keys, failures as solve reports them, plots."""
import csv
import json
import math
import pathlib
import signal
import subprocess
import tempfile
import time
import unittest

from voro_cli import CLI, ENV, EXAMPLE, EXAMPLES, ROOT, run
KEYS = ["adequacyFactor", "adequate", "combination", "noVerdict", "partialFactors", "admissible", "thicknessRatio", "geometricSafetyFactor", "depthRatio", "thrustMin", "thrustMax", "liveLoadFactor",
        "mechanism", "sweep", "worstLiveLoadFactor", "worstXq1", "minimumThickness", "thicknessFactor", "geometricFactorOfSafety",
        "eccentricities", "compressiveStrength", "friction", "mobilisation", "crushingJoints", "slidingJoints",
        "certificate"]


def finite_numbers(value):
    if isinstance(value, dict):
        return all(finite_numbers(v) for v in value.values())
    if isinstance(value, list):
        return all(finite_numbers(v) for v in value)
    return not isinstance(value, float) or math.isfinite(value)


class Assess(unittest.TestCase):
    def test_strength_friction_and_mobilisation_from_the_command_line(self):
        rigid = json.loads(run("assess", EXAMPLE, "--json", "--sweep", "0").stdout)
        self.assertIsNone(rigid["compressiveStrength"])
        self.assertIsNone(rigid["friction"])
        self.assertTrue(all(m["kind"] == "hinge" for m in rigid["mechanism"]))
        r = run("assess", EXAMPLE, "--json", "--sweep", "5", "--strength", "5", "--friction", "0.6")
        self.assertEqual(r.returncode, 0, r.stderr)
        j = json.loads(r.stdout)
        self.assertTrue(finite_numbers(j))
        self.assertEqual(j["compressiveStrength"], 5)
        self.assertAlmostEqual(j["friction"], 0.6, places=6)
        # Masonry that crushes carries far less than rigid masonry; the geometric factor stays Heyman's.
        self.assertLess(j["liveLoadFactor"], rigid["liveLoadFactor"] / 10)
        self.assertEqual(j["thicknessRatio"], rigid["thicknessRatio"])
        self.assertGreater(j["minimumThickness"], rigid["minimumThickness"])
        kinds = {m["kind"] for m in j["mechanism"]}
        self.assertLessEqual(kinds, {"hinge", "crushing hinge", "sliding"})
        self.assertEqual(j["crushingJoints"], [m["joint"] for m in j["mechanism"] if m["kind"] == "crushing hinge"])
        text = run("assess", EXAMPLE, "--sweep", "0", "--strength", "5").stdout
        self.assertIn("compressive strength fc = 5 MPa", text)  # every segment alike
        self.assertIn("crushing", text)
        # Soil as a resistance: mobilising nothing is the passive pressure switched off.
        shallow = ROOT / "examples" / "arco-ribassato-spinta.vro"
        none = json.loads(run("assess", shallow, "--json", "--sweep", "9", "--mobilisation", "0").stdout)
        off = json.loads(run("assess", shallow, "--json", "--sweep", "9", "--set", "SpintaPassiva=false").stdout)
        full = json.loads(run("assess", shallow, "--json", "--sweep", "9").stdout)
        self.assertAlmostEqual(none["worstLiveLoadFactor"], off["worstLiveLoadFactor"], delta=1e-9 * off["worstLiveLoadFactor"])
        self.assertGreaterEqual(full["worstLiveLoadFactor"], off["worstLiveLoadFactor"] * (1 - 1e-9))
        self.assertEqual(full["mobilisation"], 1)
        for bad in (["--strength", "-1"], ["--friction", "abc"], ["--mobilisation", "nan"], ["--strength", ""]):
            r = run("assess", EXAMPLE, *bad)
            self.assertEqual(r.returncode, 2, bad)
            self.assertIn(bad[0], r.stderr)

    def test_every_example_is_assessed_in_words_and_in_json(self):
        for example in EXAMPLES:
            with self.subTest(example=example.name):
                r = run("assess", example)
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertEqual(r.stderr, "")
                for heading in ("1. Geometric safety", "2. Thrust range [kN]", "3. Live-load factor",
                                "4. Worst position of the strip load", "5. Minimum thickness", "Hypotheses of figures 2 to 5",
                                "The geometric safety (1) is Heyman's"):
                    self.assertIn(heading, r.stdout)
                self.assertNotRegex(r.stdout.lower(), r"\b(nan|inf)\b")
                j = json.loads(run("assess", example, "--json").stdout, parse_constant=lambda c: self.fail(c))
                self.assertEqual(list(j), KEYS)
                self.assertTrue(finite_numbers(j))
                self.assertTrue(j["admissible"])
                self.assertLessEqual(j["thicknessRatio"], 1)
                self.assertAlmostEqual(j["geometricSafetyFactor"] * j["thicknessRatio"], 1, places=12)
                # The keys that say what they hold carry the same figures.
                self.assertEqual(j["depthRatio"], j["geometricSafetyFactor"])
                self.assertEqual(j["geometricFactorOfSafety"], j["thicknessFactor"])
                self.assertLessEqual(j["thrustMin"], j["thrustMax"])
                # A strip over the whole structure has a single position.
                self.assertIn(len(j["sweep"]), (1, 50))
                self.assertEqual(len(j["eccentricities"]), json.loads(run("solve", example, "--json").stdout)["nGiunti"])
                if j["liveLoadFactor"] is None:
                    self.assertEqual(j["mechanism"], [])
                else:
                    self.assertEqual(len(j["mechanism"]), 4)
                    self.assertTrue(all(h["face"] in ("intrados", "extrados") for h in j["mechanism"]))
                factors = [p["liveLoadFactor"] for p in j["sweep"] if p["liveLoadFactor"] is not None]
                if factors:
                    # Refined between the neighbours of the least sample: never above it.
                    self.assertLessEqual(j["worstLiveLoadFactor"], min(factors))
                    k = next(i for i, p in enumerate(j["sweep"]) if p["liveLoadFactor"] == min(factors))
                    xs = [p["xq1"] for p in j["sweep"]]
                    self.assertGreaterEqual(j["worstXq1"], xs[max(k - 1, 0)])
                    self.assertLessEqual(j["worstXq1"], xs[min(k + 1, len(xs) - 1)])
                self.assertTrue(all(c["certified"] for c in j["certificate"].values()), j["certificate"])

    def test_the_hypotheses_are_project_fields_for_set(self):
        ponte = ROOT / "examples" / "ponte-stradale.vro"
        by_option = run("assess", ponte, "--json", "--sweep", "5", "--strength", "5", "--friction", "0.6",
                        "--mobilisation", "0.5").stdout
        by_set = run("assess", ponte, "--json", "--sweep", "5", "--set", "ResistenzaAnello=5", "--set", "Attrito=0.6",
                     "--set", "Mobilitazione=0.5").stdout
        self.assertEqual(by_set, by_option)
        r = run("assess", ponte, "--set", "Attrito=rough")
        self.assertEqual(r.returncode, 2)
        self.assertIn("Attrito", r.stderr)

    def test_the_sweep_option_and_its_mistakes(self):
        j = json.loads(run("assess", EXAMPLE, "--json", "--sweep", "7").stdout)
        self.assertEqual(len(j["sweep"]), 7)
        j = json.loads(run("assess", EXAMPLE, "--json", "--sweep", "0").stdout)
        self.assertEqual(j["sweep"], [])
        self.assertIsNone(j["worstLiveLoadFactor"])
        for args, culprit in ((["--sweep", "x"], "--sweep"), (["--sweep", "-3"], "--sweep"),
                              (["--set", "Spessore=1"], "Spessore"), (["--frobnicate"], "--frobnicate")):
            r = run("assess", EXAMPLE, *args)
            self.assertEqual(r.returncode, 2, args)
            self.assertIn(culprit, r.stderr)
        r = run("assess")
        self.assertEqual(r.returncode, 2)
        self.assertIn("project file", r.stderr)

    def test_failures_read_as_solve_reports_them(self):
        broken = ["--set", "FrecciaAnello=7"]
        solve, assess = run("solve", EXAMPLE, *broken), run("assess", EXAMPLE, *broken)
        self.assertEqual(assess.returncode, 1)
        self.assertEqual(assess.stderr, solve.stderr)
        self.assertEqual(json.loads(run("assess", EXAMPLE, "--json", *broken).stdout),
                         {"error": "Error: Check Geometry", "number": 1002})
        missing = ROOT / "no-such-project.vro"
        solve, assess = run("solve", missing), run("assess", missing)
        self.assertEqual(assess.returncode, 3)
        self.assertEqual(assess.stderr, solve.stderr)

    def test_an_arch_no_thrust_line_fits_is_reported_not_failed(self):
        r = run("assess", EXAMPLE, "--json", "--set", "SpessoreAnello=0.05")
        self.assertEqual(r.returncode, 0, r.stderr)
        j = json.loads(r.stdout)
        self.assertFalse(j["admissible"])
        self.assertGreater(j["thicknessRatio"], 1)
        self.assertLess(j["geometricSafetyFactor"], 1)
        self.assertIsNone(j["thrustMin"])
        self.assertIsNone(j["thrustMax"])
        # A smaller variable load may still find a line: the factor is below 1.
        self.assertLess(j["liveLoadFactor"], 1)
        self.assertGreater(j["minimumThickness"], 0.05)
        text = run("assess", EXAMPLE, "--set", "SpessoreAnello=0.05").stdout
        self.assertIn("No thrust line fits within the masonry", text)

    def test_a_batch_gets_one_row_per_project(self):
        with tempfile.TemporaryDirectory() as tmp:
            out = pathlib.Path(tmp) / "summary.csv"
            r = run("assess", *EXAMPLES, "--sweep", "5", "--csv", out)
            self.assertEqual(r.returncode, 0, r.stderr)
            rows = list(csv.DictReader(out.open()))
            self.assertEqual([row["file"] for row in rows], [str(e) for e in EXAMPLES])
            self.assertTrue(all(row["status"] == "ok" for row in rows))
            for column in ("thicknessRatio", "geometricSafetyFactor", "thrustMin [kN]", "liveLoadFactor",
                           "mechanism", "worstLiveLoadFactor", "minimumThickness [m]", "thicknessFactor"):
                self.assertIn(column, rows[0])
            many = json.loads(run("assess", *EXAMPLES[:2], "--json", "--sweep", "3").stdout)
            self.assertEqual(len(many), 2)

    def test_the_safety_plot_draws_the_collapse_line_and_its_hinges(self):
        with tempfile.TemporaryDirectory() as tmp:
            for ext in ("svg", "dxf"):
                r = run("assess", EXAMPLE, "--plot", pathlib.Path(tmp) / f"safety.{ext}", "--sweep", "5")
                self.assertEqual(r.returncode, 0, r.stderr)
            self.assertIn("Collapse thrust line", (pathlib.Path(tmp) / "safety.svg").read_text())
            try:
                from ezdxf import recover
            except ImportError:
                return
            doc, auditor = recover.readfile(str(pathlib.Path(tmp) / "safety.dxf"))
            self.assertFalse(auditor.has_errors)
            self.assertGreaterEqual(sum(1 for e in doc.modelspace() if e.dxftype() == "CIRCLE"), 4)
            r = run("assess", *EXAMPLES[:2], "--plot", pathlib.Path(tmp) / "two.png")
            self.assertEqual(r.returncode, 2)

    def test_ctrl_c_lets_the_running_project_end_and_starts_no_further_one(self):
        # A long sweep keeps each assessment busy for a few seconds.
        p = subprocess.Popen([CLI, "assess", EXAMPLE, EXAMPLE, EXAMPLE, "--sweep", "100000", "--csv", "-"],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, env=ENV)
        time.sleep(1)
        p.send_signal(signal.SIGINT)
        out, err = p.communicate(timeout=120)
        rows = list(csv.DictReader(out.splitlines()))
        self.assertEqual([row["status"] for row in rows], ["ok", "not started", "not started"])
        self.assertNotEqual(rows[0]["geometricSafetyFactor"], "")
        self.assertEqual(rows[1]["message"], "User interrupt occurred")
        self.assertEqual(err.count("not started: the batch was interrupted"), 2)
        self.assertEqual(p.returncode, 1)

    def test_the_verdict_comes_first_under_the_codes_factors(self):
        r = run("assess", EXAMPLE, "--code", "ntc", "--knowledge", "LC2", "--factor", "gM=2", "--strength", "5",
                "--sweep", "8")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertLess(r.stdout.index("Verdict: "), r.stdout.index("1. Geometric safety"))
        self.assertIn("Code basis: NTC 2018 (Italy), knowledge level LC2.", r.stdout)
        self.assertIn("gG2 1.50 / 0.00 (unfavourable / favourable), gQ 1.35, gM 2.00, FC 1.20", r.stdout)
        j = json.loads(run("assess", EXAMPLE, "--json", "--code", "ntc", "--knowledge", "LC2", "--factor", "gM=2",
                           "--strength", "5", "--sweep", "8").stdout)
        f = j["partialFactors"]
        self.assertEqual((f["code"], f["knowledgeLevel"]), ("NTC 2018 (Italy)", "LC2"))
        self.assertAlmostEqual(f["gG2inf"], 0)
        self.assertAlmostEqual(f["FC"], 1.2, places=6)
        self.assertIn(j["combination"], ("inf", "sup", "G1 sup, G2 inf", "G1 inf, G2 sup"))
        self.assertEqual(j["noVerdict"], [])
        # A code basis says what it misses instead of a verdict: the figures stay.
        for args, missing in ((["--knowledge", "LC2", "--factor", "gM=2"], ["compressiveStrength"]),
                              (["--strength", "5"], ["gM", "knowledgeLevel"])):
            k = json.loads(run("assess", EXAMPLE, "--json", "--code", "ntc", "--sweep", "0", *args).stdout)
            self.assertEqual(k["noVerdict"], missing)
            self.assertEqual((k["adequate"], k["adequacyFactor"], k["combination"]), (None, None, None))
            self.assertIsNotNone(k["liveLoadFactor"])
        t = run("assess", EXAMPLE, "--code", "en", "--sweep", "0", "--strength", "5", "--factor", "gM=2").stdout
        self.assertIn("No verdict: the knowledge level (LC1, LC2 or LC3) is not given.", t)
        self.assertIn("Code basis: EN 1990 / EN 1991-2, knowledge level not given.", t)
        self.assertEqual(j["adequate"], j["adequacyFactor"] >= 1)
        verdict = "Verdict: adequate (" if j["adequate"] else "Verdict: not adequate ("
        self.assertIn(verdict, r.stdout)

        # With every other factor 1, gQ only rescales the load: factor x gQ is
        # the project's own least factor.
        plain = json.loads(run("assess", EXAMPLE, "--json", "--sweep", "8").stdout)
        doubled = json.loads(run("assess", EXAMPLE, "--json", "--sweep", "8", "--factor", "gQ=2").stdout)
        least = min(x for x in (plain["liveLoadFactor"], plain["worstLiveLoadFactor"]) if x is not None)
        self.assertAlmostEqual(plain["adequacyFactor"], least, places=9)
        self.assertAlmostEqual(doubled["adequacyFactor"] * 2, least, places=6)
        # A factor large enough makes the arch not adequate, and the text says so.
        big = run("assess", EXAMPLE, "--sweep", "8", "--factor", "gQ=%g" % (least * 1.5))
        self.assertIn("Verdict: not adequate (adequacy factor 0.667 < 1)", big.stdout)

        for bad in (["--code", "bs"], ["--knowledge", "LC4"], ["--factor", "gM=abc"], ["--factor", "gamma=1"]):
            r = run("assess", EXAMPLE, *bad)
            self.assertEqual(r.returncode, 2, bad)
        r = run("assess", EXAMPLE, "--factor", "gM=0")
        self.assertEqual(r.returncode, 1)
        self.assertIn("Partial factor γM of the masonry = 0: must be greater than zero", r.stderr)
        r = run("assess", EXAMPLE, "--factor", "gM=0", "--locale", "it")
        self.assertIn("Coefficiente parziale γM della muratura = 0: deve essere maggiore di zero", r.stderr)

    def test_the_report_in_italian_has_the_decimal_comma_and_the_json_the_point(self):
        # The road bridge with LM1 tandem, fc 5 and friction 0.6: every figure
        # of the words, the vehicle's table included, in the reader's format.
        testo = run("assess", EXAMPLE, "--locale", "it", "--vehicle", "LM1 tandem", "--spread", "1:2",
                    "--strength", "5", "--friction", "0.6", "--sweep", "10").stdout
        self.assertRegex(testo, r"fattore di adeguatezza \d+,\d{3}")
        self.assertRegex(testo, r"attrito μ = 0,6")
        self.assertNotRegex(testo, r"\d\.\d")
        self.assertIn("300,00", testo)  # the axle table
        self.assertRegex(testo, r"quattro cerniere ai giunti \d+ \((in|es)tradosso, schiacciamento\)")  # the vehicle's crushing hinges
        inglese = run("assess", EXAMPLE, "--locale", "en", "--sweep", "10").stdout
        self.assertRegex(inglese, r"adequacy factor \d+\.\d{3}")
        self.assertNotRegex(inglese, r"\d,\d")
        dati = json.loads(run("assess", EXAMPLE, "--locale", "it", "--json", "--sweep", "10").stdout)
        self.assertIsInstance(dati["adequacyFactor"], float)

    def test_springings_raised_by_the_walls_are_said(self):
        # A semicircle of 200 voussoirs with the walls' face at its ends: the
        # walls take voussoirs off the ring and the arch springs higher.
        semicircle = ROOT / "examples" / "volta-semicircolare.vro"
        r = run("assess", semicircle, "--set", "nConciAnello=200", "--set", "SporgenzaParete=0", "--sweep", "0")
        self.assertRegex(r.stdout, r"Springing raised: the left wall takes \d+ voussoirs; the arch springs at "
                                   r"y = \d+\.\d{3} m, \d+\.\d{3} m above the ring's end\.")

    def test_a_borderline_ring_prints_figures_that_agree_with_its_verdict(self):
        # A semicircle whose walls take no voussoir; its least thickness under
        # its own road, found again at that thickness until it settles, is the
        # borderline ring.
        semicircle = ROOT / "examples" / "volta-semicircolare.vro"
        fixed = ["--set", "hRiempimentoSolido=0", "--set", "SporgenzaParete=1", "--sweep", "0"]
        t = 0.45
        for _ in range(10):
            t = json.loads(run("assess", semicircle, "--json", *fixed, "--set", "SpessoreAnello=%.9g" % t).stdout)[
                "minimumThickness"]
        for thickness, fits in ((t * (1 - 5e-6), False), (t * (1 + 5e-6), True)):
            text = run("assess", semicircle, *fixed, "--set", "SpessoreAnello=%.9g" % thickness).stdout
            s = float(text.split("needs s = ")[1].split()[0])
            f = float(text.split("(f = ")[1].split(")")[0])
            if fits:
                self.assertIn("the arch stands", text)
                self.assertLessEqual(s, 1, text)
                self.assertLessEqual(f, 1, text)
            else:
                self.assertIn("cannot stand", text)
                self.assertGreater(s, 1, text)
                self.assertGreater(f, 1, text)

if __name__ == "__main__":
    unittest.main()
