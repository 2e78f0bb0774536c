#!/usr/bin/env python3
"""voro-cli assess as a user runs it: every example in words and JSON, the hypotheses and the code's factors
reaching the calculation, failures as solve reports them, the verdict's words and figures, batches, and a bridge
of several spans. The figures themselves and the plots' content are the core's tests'."""
import json
import unittest

from voro_cli import CliTest, EXAMPLE, EXAMPLES, ROOT, SEMICIRCLE, SHALLOW, rows, run

BRIDGE = ROOT / "examples" / "ponti" / "ponte-tre-campate.vro"
KEYS = ["adequacyFactor", "adequate", "combination", "noVerdict", "partialFactors", "admissible", "thicknessRatio",
        "geometricSafetyFactor", "depthRatio", "thrustMin", "thrustMax", "liveLoadFactor", "mechanism", "sweep",
        "worstLiveLoadFactor", "worstXq1", "minimumThickness", "thicknessFactor", "geometricFactorOfSafety",
        "eccentricities", "compressiveStrength", "friction", "mobilisation", "crushingJoints", "slidingJoints",
        "certificate"]
CODE = ["--code", "ntc", "--knowledge", "LC2", "--factor", "gM=2", "--strength", "5", "--sweep", "8"]


class Assess(CliTest):
    def test_every_example_is_assessed_in_words_and_in_json(self):
        for example in EXAMPLES:
            with self.subTest(example=example.name):
                r = run("assess", example)
                self.assertEqual((r.returncode, r.stderr), (0, ""))
                self.says(r.stdout, "1. Geometric safety", "2. Thrust range [kN]", "3. Live-load factor",
                          "4. Worst position of the strip load", "5. Minimum thickness", "Hypotheses of figures 2 to 5",
                          "The geometric safety (1) is Heyman's")
                self.assertNotRegex(r.stdout.lower(), r"\b(nan|inf)\b")
                j = self.json("assess", example)  # no NaN nor infinity
                self.assertEqual(list(j), KEYS)
                self.assertTrue(j["admissible"])
                # The keys that say what they hold carry the same figures.
                self.assertEqual((j["depthRatio"], j["geometricFactorOfSafety"]),
                                 (j["geometricSafetyFactor"], j["thicknessFactor"]))
                self.assertIn(len(j["sweep"]), (1, 50))  # a strip over the whole structure has a single position
                self.assertEqual(len(j["eccentricities"]), self.json("solve", example)["nGiunti"])
                self.assertTrue(all(h["face"] in ("intrados", "extrados") for h in j["mechanism"]))
                self.assertEqual(len(j["mechanism"]), 0 if j["liveLoadFactor"] is None else 4)
                self.assertTrue(all(c["certified"] for c in j["certificate"].values()), j["certificate"])

    def test_the_hypotheses_reach_the_calculation(self):
        rigid = self.json("assess", EXAMPLE, "--sweep", "0")
        self.assertEqual((rigid["compressiveStrength"], rigid["friction"]), (None, None))
        self.assertTrue(all(m["kind"] == "hinge" for m in rigid["mechanism"]))
        j = self.json("assess", EXAMPLE, "--sweep", "5", "--strength", "5", "--friction", "0.6")
        self.assertEqual(j["compressiveStrength"], 5)
        self.assertAlmostEqual(j["friction"], 0.6, places=6)
        self.assertLess(j["liveLoadFactor"], rigid["liveLoadFactor"])
        self.assertLessEqual({m["kind"] for m in j["mechanism"]}, {"hinge", "crushing hinge", "sliding"})
        self.assertEqual(j["crushingJoints"], [m["joint"] for m in j["mechanism"] if m["kind"] == "crushing hinge"])
        # Every segment alike.
        self.says(self.ok("assess", EXAMPLE, "--sweep", "0", "--strength", "5"), "compressive strength fc = 5 MPa",
                  "crushing")
        # The hypotheses are project fields too, for --set.
        self.assertEqual(self.ok("assess", EXAMPLE, "--json", "--sweep", "5", "--set", "ResistenzaAnello=5", "--set",
                                 "Attrito=0.6", "--set", "Mobilitazione=0.5"),
                         self.ok("assess", EXAMPLE, "--json", "--sweep", "5", "--strength", "5", "--friction", "0.6",
                                 "--mobilisation", "0.5"))
        # --mobilisation reaches the soil: none mobilised is the passive pressure switched off.
        none, off = (self.json("assess", SHALLOW, "--sweep", "9", *args)["worstLiveLoadFactor"]
                     for args in (["--mobilisation", "0"], ["--set", "SpintaPassiva=false"]))
        self.assertAlmostEqual(none, off, delta=1e-9 * off)
        # The number of positions of the strip load, none at all with 0.
        self.assertEqual(len(self.json("assess", EXAMPLE, "--sweep", "7")["sweep"]), 7)
        self.assertEqual((rigid["sweep"], rigid["worstLiveLoadFactor"]), ([], None))

    def test_an_arch_no_thrust_line_fits_is_reported_not_failed(self):
        j = self.json("assess", EXAMPLE, "--set", "SpessoreAnello=0.05")
        self.assertEqual((j["admissible"], j["thrustMin"], j["thrustMax"]), (False, None, None))
        self.assertGreater(j["thicknessRatio"], 1)
        self.assertIn("No thrust line fits within the masonry", self.ok("assess", EXAMPLE, "--set", "SpessoreAnello=0.05"))

    def test_a_batch_gets_one_row_per_project(self):
        summary = rows(self.ok("assess", *EXAMPLES, "--sweep", "5", "--csv", "-"))
        self.assertEqual([(row["file"], row["status"]) for row in summary], [(str(e), "ok") for e in EXAMPLES])
        self.assertEqual(list(summary[0])[:6], ["file", "status", "adequate", "adequacyFactor", "combination", "admissible"])
        for column in ("thicknessRatio", "geometricSafetyFactor", "thrustMin [kN]", "liveLoadFactor", "mechanism",
                       "worstLiveLoadFactor", "minimumThickness [m]", "thicknessFactor"):
            self.assertIn(column, summary[0])
        self.assertEqual(len(self.json("assess", *EXAMPLES[:2], "--sweep", "3")), 2)

    def test_the_verdict_comes_first_under_the_codes_factors(self):
        text = self.ok("assess", EXAMPLE, *CODE)
        self.assertLess(text.index("Verdict: "), text.index("1. Geometric safety"))
        self.says(text, "Code basis: NTC 2018 (Italy), knowledge level LC2.",
                  "gG2 1.50 / 0.00 (unfavourable / favourable), gQ 1.35, gM 2.00, FC 1.20")
        j = self.json("assess", EXAMPLE, *CODE)
        f = j["partialFactors"]
        self.assertEqual((f["code"], f["knowledgeLevel"], f["gG2inf"], j["noVerdict"]), ("NTC 2018 (Italy)", "LC2", 0, []))
        self.assertAlmostEqual(f["FC"], 1.2, places=6)
        self.assertIn(j["combination"], ("inf", "sup", "G1 sup, G2 inf", "G1 inf, G2 sup"))
        self.assertIn("Verdict: adequate (" if j["adequate"] else "Verdict: not adequate (", text)
        # A code basis says what it misses instead of a verdict: the figures stay.
        k = self.json("assess", EXAMPLE, "--code", "ntc", "--sweep", "0", "--strength", "5")
        self.assertEqual((k["noVerdict"], k["adequate"], k["adequacyFactor"]), (["gM", "knowledgeLevel"], None, None))
        self.assertIsNotNone(k["liveLoadFactor"])
        self.says(self.ok("assess", EXAMPLE, "--code", "en", "--sweep", "0", "--strength", "5", "--factor", "gM=2"),
                  "No verdict: the knowledge level (LC1, LC2 or LC3) is not given.",
                  "Code basis: EN 1990 / EN 1991-2, knowledge level not given.")
        # --factor reaches the calculation: gQ large enough, the text says "not adequate".
        plain = self.json("assess", EXAMPLE, "--sweep", "8")["adequacyFactor"]
        self.assertIn("Verdict: not adequate (adequacy factor 0.667 < 1)",
                      self.ok("assess", EXAMPLE, "--sweep", "8", "--factor", "gQ=%g" % (plain * 1.5)))

    def test_the_words_in_italian_have_the_decimal_comma_and_the_json_the_point(self):
        # The road bridge with LM1 tandem, fc 5 and friction 0.6: every figure
        # of the words, the vehicle's table included, in the reader's format.
        testo = self.ok("assess", EXAMPLE, "--locale", "it", "--vehicle", "LM1 tandem", "--spread", "1:2",
                        "--strength", "5", "--friction", "0.6", "--sweep", "10")
        self.assertRegex(testo, r"fattore di adeguatezza \d+,\d{3}")
        self.assertRegex(testo, r"attrito μ = 0,6")
        self.assertNotRegex(testo, r"\d\.\d")
        self.assertIn("300,00", testo)  # the axle table
        self.assertRegex(testo, r"quattro cerniere ai giunti \d+ \((in|es)tradosso, schiacciamento\)")
        inglese = self.ok("assess", EXAMPLE, "--locale", "en", "--sweep", "10")
        self.assertRegex(inglese, r"adequacy factor \d+\.\d{3}")
        self.assertNotRegex(inglese, r"\d,\d")
        self.assertIsInstance(self.json("assess", EXAMPLE, "--locale", "it", "--sweep", "10")["adequacyFactor"], float)

    def test_springings_raised_by_the_walls_are_said(self):
        # A semicircle of 200 voussoirs with the walls' face at its ends: the
        # walls take voussoirs off the ring and the arch springs higher.
        self.assertRegex(self.ok("assess", SEMICIRCLE, "--set", "nConciAnello=200", "--set", "SporgenzaParete=0",
                                 "--sweep", "0"),
                         r"Springing raised: the left wall takes \d+ voussoirs; the arch springs at "
                         r"y = \d+\.\d{3} m, \d+\.\d{3} m above the ring's end\.")

    def test_a_borderline_ring_prints_figures_that_agree_with_its_verdict(self):
        # A semicircle whose walls take no voussoir; its least thickness under
        # its own road, found again at that thickness until it settles, is the
        # borderline ring.
        fixed = ["--set", "hRiempimentoSolido=0", "--set", "SporgenzaParete=1", "--sweep", "0"]
        t = 0.45
        for _ in range(10):
            t = self.json("assess", SEMICIRCLE, *fixed, "--set", "SpessoreAnello=%.9g" % t)["minimumThickness"]
        for thickness, fits in ((t * (1 - 5e-6), False), (t * (1 + 5e-6), True)):
            text = self.ok("assess", SEMICIRCLE, *fixed, "--set", "SpessoreAnello=%.9g" % thickness)
            s = float(text.split("needs s = ")[1].split()[0])
            f = float(text.split("(f = ")[1].split(")")[0])
            self.assertIn("the arch stands" if fits else "cannot stand", text)
            self.assertEqual((s <= 1, f <= 1), (fits, fits), text)


def with_piers(record):
    """The bundled bridge with its "Campate" line replaced."""
    lines = [line for line in BRIDGE.read_bytes().split(b"\r\n") if not line.startswith(b'"Campate"')]
    return b"\r\n".join(lines[:-1] + [b'"Campate",' + record.encode(), b""])


class Ponte(CliTest):
    """A bridge of several spans: the whole bridge and each span alone, the JSON's spans and piers, and bad piers
    refused by name with nothing written."""

    def test_the_bridge_and_each_span_alone(self):
        bridge = self.json("assess", BRIDGE, "--sweep", "0")
        self.assertEqual(([s["span"] for s in bridge["spans"]], [p["pier"] for p in bridge["piers"]]), ([1, 2, 3], [1, 2]))
        self.assertTrue(all(p["baseN"] > 0 for p in bridge["piers"]))
        self.assertIn("pier rocking", {m.get("kind") for m in bridge["mechanism"]})
        self.assertTrue(all(("span" in m) != ("pier" in m) for m in bridge["mechanism"]))
        self.assertNotIn("spans", self.json("assess", BRIDGE, "--sweep", "0", "--span", "1"))
        self.says(self.ok("assess", BRIDGE, "--sweep", "0"), "pier 1 base (the pier rocks about", "Spans and piers")
        # solve and the report take each span alone, on rigid springings.
        solved = self.json("solve", BRIDGE)
        self.assertEqual([(s["span"], s["spans"]) for s in solved], [(1, 3), (2, 3), (3, 3)])
        self.assertIn("Span 2 of 3 of the bridge", self.ok("solve", BRIDGE))
        self.assertIn("Each span alone on rigid springings", self.report(BRIDGE))

    def test_bad_piers_are_refused_by_name(self):
        ring = "0,0,1,12,3.5,.6,36"
        cases = [(f"{pier},{ring},{pier},{ring}", words) for pier, words in (
            ("-0.5,6,0,0,20", "the spans overlap"),
            ("0.2,6,0,0,20", "Pier 1: its width 0.2 m is less than that of the two springings"))]
        # A ring that cannot be built, and a span springing below its pier's base, said of their span.
        cases += [("1.2,6,0,0,20,0,0,1,12,3.5,.6,36,1.2,6,0,0,20,0,0,1,12,7,.6,36", "Span 3: Ring"),
                  ("1.2,6,0,0,20,-7,0,1,12,3.5,.6,36,1.2,6,0,0,20,0,0,1,12,3.5,.6,36", "Span 2: its springing at level -7")]
        for piers, words in cases:
            with self.subTest(piers=piers):
                (self.dir / "bad.vro").write_bytes(with_piers(piers))
                self.fails(1, words, "assess", self.dir / "bad.vro", "--span", "1", "--plot", self.dir / "bad.svg")
                self.assertFalse((self.dir / "bad.svg").exists())


if __name__ == "__main__":
    unittest.main()
