#!/usr/bin/env python3
"""voro-cli with a vehicle on the fill as a user runs it: the library, the sweep in words, JSON and CSV, the
report, the project's own vehicle, and bad input that writes nothing."""
import csv
import io
import json
import re
import math
import os
import signal
import pathlib
import subprocess
import tempfile
import time
import unittest

import voro_cli
from voro_cli import CLI, EXAMPLE

CONFIG = tempfile.mkdtemp()
ENV = {**voro_cli.ENV, "XDG_CONFIG_HOME": CONFIG}
VEHICLE_KEYS = ["vehicle", "spread", "effectiveWidth", "vehicleSweep", "worstVehicleFactor", "worstVehicleX",
                "worstVehicleDirection", "vehicleMechanism", "vehicleAxles", "vehicleCertificate"]
SHIPPED = ["LM1 tandem", "LM2 single axle", "LM71 axles", "11.5 t single axle", "2 × 10 t bogie at 1.8 m",
           "3 × 8 t bogie at 1.3 m"]


def run(*args):
    return voro_cli.run(*args, env=ENV)


def user_library(text):
    folder = pathlib.Path(CONFIG) / "voro"
    folder.mkdir(exist_ok=True)
    (folder / "vehicles.txt").write_text(text, encoding="utf-8")


class Vehicles(unittest.TestCase):
    def tearDown(self):
        (pathlib.Path(CONFIG) / "voro" / "vehicles.txt").unlink(missing_ok=True)

    def test_the_library_lists_the_shipped_vehicles_and_the_users(self):
        r = run("vehicles")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual([l for l in r.stdout.splitlines() if not l.startswith(" ")], SHIPPED)
        user_library("vehicle Tractor\ntrack 1.6\nwidth 0.4\naxle 60 0 0.3\naxle 90 2.5 0.3\nend\n")
        j = json.loads(run("vehicles", "--json").stdout)
        self.assertEqual([v["name"] for v in j], SHIPPED + ["Tractor"])
        self.assertEqual(j[-1]["axles"], [{"load": 60, "distance": 0, "contactLength": 0.3},
                                          {"load": 90, "distance": 2.5, "contactLength": 0.3}])

    def test_a_broken_user_library_hides_no_shipped_vehicle(self):
        user_library("vehicle Mine\naxle 100 0 0.2\nend\nvehicle Bad\naxle 100 -1 0.2\nend\n")
        r = run("vehicles")
        self.assertEqual(r.returncode, 0)
        self.assertIn("vehicles.txt:5: vehicle \"Bad\", axle 1: distance d = -1 m is not a distance >= 0", r.stderr)
        self.assertIn("LM1 tandem", r.stdout)
        self.assertNotIn("Mine", r.stdout)
        r = run("assess", EXAMPLE, "--vehicle", "LM2 single axle", "--json")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("warning", r.stderr)
        self.assertEqual(json.loads(r.stdout)["vehicle"]["name"], "LM2 single axle")

    def test_the_sweep_in_json_words_and_csv(self):
        r = run("assess", EXAMPLE, "--vehicle", "LM1 tandem", "--spread", "1:2", "--json")
        self.assertEqual(r.returncode, 0, r.stderr)
        j = json.loads(r.stdout, parse_constant=lambda c: self.fail(c))
        self.assertEqual(list(j)[-len(VEHICLE_KEYS):], VEHICLE_KEYS)
        self.assertEqual(j["spread"]["rule"], "1:2")
        self.assertAlmostEqual(j["spread"]["angle"], math.degrees(math.atan(0.5)), places=9)
        sweep = j["vehicleSweep"]
        self.assertEqual({p["direction"] for p in sweep}, {"forward"})  # the tandem is its own mirror image
        self.assertTrue(all(b["x"] - a["x"] <= 0.05 + 1e-9 for a, b in zip(sweep, sweep[1:])))
        factors = [p["liveLoadFactor"] for p in sweep if p["liveLoadFactor"] is not None]
        self.assertLessEqual(j["worstVehicleFactor"], min(factors))
        self.assertGreater(j["worstVehicleFactor"], 0.9 * min(factors))
        self.assertEqual(len(j["vehicleMechanism"]), 4)
        self.assertEqual(len(j["effectiveWidth"]), 2)
        for axle, be in zip(j["vehicleAxles"], j["effectiveWidth"]):
            self.assertEqual(axle["effectiveWidth"], be)
            self.assertAlmostEqual(be, 2 + 0.4 + 2 * axle["depth"] * 0.5, places=6)
            self.assertAlmostEqual(axle["modelLoad"], 300 * axle["ringWidth"] / be, places=6)
            self.assertAlmostEqual(axle["collapseLoad"], 300 * j["worstVehicleFactor"], places=6)
        self.assertAlmostEqual(j["vehicleAxles"][1]["x"] - j["vehicleAxles"][0]["x"], 1.2, places=6)

        words = run("assess", EXAMPLE, "--vehicle", "LM1 tandem", "--spread", "1:2").stdout
        self.assertIn("6. Vehicle: LM1 tandem", words)
        self.assertIn("Least live-load factor %.3f" % j["worstVehicleFactor"], words)

        r = run("assess", EXAMPLE, EXAMPLE, "--vehicle", "3 × 8 t bogie at 1.3 m", "--csv", "-", "--sweep", "0")
        rows = list(csv.DictReader(io.StringIO(r.stdout)))
        self.assertEqual(len(rows), 2)
        self.assertEqual(rows[0]["vehicle"], "3 × 8 t bogie at 1.3 m")
        self.assertEqual(rows[0]["worstVehicleDirection"], "forward")
        self.assertEqual(len(rows[0]["vehicleMechanism"].split()), 4)

    def test_a_vehicle_that_is_not_its_own_mirror_image_is_driven_both_ways(self):
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
            f.write("# a tractor and its trailer\nvehicle Train\ntrack 1.8\nwidth 0.3\n"
                    "axle 100 0 0.3\naxle 180 1.3 0.3\naxle 60 3.1 0.2\nend\n")
        j = json.loads(run("assess", EXAMPLE, "--vehicle", "Train", "--vehicle-file", f.name, "--spread", "30",
                           "--json", "--step", "0.1").stdout)
        os.unlink(f.name)
        self.assertEqual({p["direction"] for p in j["vehicleSweep"]}, {"forward", "backward"})
        self.assertIn(j["worstVehicleDirection"], ("forward", "backward"))
        self.assertEqual(j["spread"], {"rule": "30", "angle": 30})

    def test_the_projects_own_vehicle_is_swept_and_solves_as_before(self):
        base = EXAMPLE.read_bytes()
        with tempfile.TemporaryDirectory() as d:
            project = pathlib.Path(d) / "with-vehicle.vro"
            project.write_bytes(base + b'"Veicolo","LM1 tandem",2,0.4,300,0,0.4,300,1.2,0.4\r\n"Diffusione","1:2"\r\n')
            r = run("assess", project, "--json")
            self.assertEqual(r.returncode, 0, r.stderr)
            with_file = json.loads(r.stdout)
            by_option = json.loads(run("assess", EXAMPLE, "--json", "--vehicle", "LM1 tandem", "--spread", "1:2").stdout)
            self.assertEqual(with_file["worstVehicleFactor"], by_option["worstVehicleFactor"])
            # The vehicle moves only in its sweep: solve and the rest of assess are as they were.
            self.assertEqual(run("solve", project, "--json").stdout, run("solve", EXAMPLE, "--json").stdout)
            plain = json.loads(run("assess", EXAMPLE, "--json").stdout)
            adequacy = ["adequacyFactor", "adequate", "combination"]
            self.assertEqual({k: v for k, v in with_file.items() if k not in VEHICLE_KEYS + adequacy},
                             {k: v for k, v in plain.items() if k not in adequacy})
            # The vehicle joins the variable loads the verdict weighs: under unit
            # factors the adequacy is the least of the strip's and the vehicle's.
            self.assertEqual(with_file["adequacyFactor"],
                             min(plain["adequacyFactor"], with_file["worstVehicleFactor"]))
            # --spread replaces the project's rule.
            self.assertEqual(json.loads(run("assess", project, "--json", "--spread", "none").stdout)["spread"]["rule"],
                             "none")

    def test_the_vehicles_plots(self):
        with tempfile.TemporaryDirectory() as d:
            plot, chart = pathlib.Path(d) / "worst.svg", pathlib.Path(d) / "sweep.png"
            r = run("assess", EXAMPLE, "--vehicle", "LM71 axles", "--plot-vehicle", plot, "--plot-vehicle-sweep", chart)
            self.assertEqual(r.returncode, 0, r.stderr)
            svg = plot.read_text()
            self.assertIn("LM71 axles, first axle at x =", svg)
            self.assertEqual(svg.count(" kN<"), 4)  # each axle's load at collapse
            self.assertTrue(chart.read_bytes().startswith(b"\x89PNG"))
            # Without a vehicle there is nothing to draw: said, and a failure.
            none = pathlib.Path(d) / "none.svg"
            r = run("assess", EXAMPLE, "--plot-vehicle", none)
            self.assertEqual(r.returncode, 1)
            self.assertIn("no vehicle", r.stderr)
            self.assertFalse(none.exists())
            self.assertEqual(run("assess", EXAMPLE, EXAMPLE, "--vehicle", "LM1 tandem", "--plot-vehicle", plot).returncode, 2)

    def test_the_report_has_the_vehicle(self):
        r = run("report", EXAMPLE, "--assess", "--vehicle", "LM1 tandem", "--spread", "45", "--out", "-",
                "--format", "txt")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("Vehicle: LM1 tandem", r.stdout)
        self.assertIn("Live-load factor against the position of the vehicle's first axle", r.stdout)
        self.assertEqual(run("report", EXAMPLE, "--vehicle", "LM1 tandem", "--out", "-", "--format", "txt").returncode, 2)
        # Drawn too: the vehicle's two drawings, after its section is gone.
        h = run("report", EXAMPLE, "--assess", "--vehicle", "LM1 tandem", "--spread", "1:2", "--out", "-",
                "--format", "html")
        self.assertEqual(h.returncode, 0, h.stderr)
        self.assertGreaterEqual(h.stdout.count("<svg"), 6)
        self.assertNotIn("The drawing could not be made", h.stdout)

    def test_ctrl_c_lets_the_running_sweep_end(self):
        args = ["--vehicle", "LM1 tandem", "--step", "0.0001", "--sweep", "0", "--csv", "-"]
        whole = list(csv.DictReader(io.StringIO(run("assess", EXAMPLE, *args).stdout)))[0]
        p = subprocess.Popen([CLI, "assess", EXAMPLE, EXAMPLE, *args], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True, env=ENV)
        time.sleep(0.3)
        p.send_signal(signal.SIGINT)
        out, _ = p.communicate(timeout=120)
        rows = list(csv.DictReader(io.StringIO(out)))
        self.assertEqual([row["status"] for row in rows], ["ok", "not started"])
        self.assertEqual(rows[0]["worstVehicleFactor"], whole["worstVehicleFactor"])
        self.assertEqual(rows[0]["worstVehicleX [m]"], whole["worstVehicleX [m]"])

    def test_bad_input_is_named_and_writes_nothing(self):
        with tempfile.TemporaryDirectory() as d:
            bad = pathlib.Path(d) / "bad.txt"
            bad.write_text("vehicle Broken\ntrack 2\naxle 300 0 0.4\naxle inf 1.2 0.4\nend\n")
            huge = pathlib.Path(d) / "huge.txt"
            huge.write_text("vehicle Huge\ntrack 2\naxle 300 0 32767\nend\n")
            out = pathlib.Path(d) / "out.csv"
            cases = [
                (["--vehicle", "Nope"], 1, 'unknown vehicle "Nope"'),
                (["--vehicle", "Broken", "--vehicle-file", bad], 1,
                 'bad.txt:4: vehicle "Broken", axle 2: load P = inf kN is not a load >= 0'),
                # Beyond any road or rail vehicle: refused at once, not swept for minutes.
                (["--vehicle", "Huge", "--vehicle-file", huge], 1,
                 'vehicle "Huge", axle 1: contact length a = 32767 m is above 25 m'),
                (["--vehicle", "LM1 tandem", "--spread", "61"], 1, "spread angle 61 degrees is outside 0 to 60 degrees"),
                (["--vehicle", "LM1 tandem", "--spread", "-5"], 1, "outside 0 to 60 degrees"),
                (["--vehicle", "LM1 tandem", "--spread", "steep"], 2, "--spread takes none, 1:2, 30, 45"),
                (["--vehicle", "LM1 tandem", "--step", "0"], 2, "--step takes a length"),
                (["--vehicle-file", bad], 2, "--vehicle-file needs --vehicle"),
            ]
            for args, status, message in cases:
                with self.subTest(args=args):
                    r = run("assess", EXAMPLE, *args, "--csv", out)
                    self.assertEqual(r.returncode, status, r.stderr)
                    self.assertIn(message, r.stderr)
                    self.assertEqual(r.stdout, "")
                    self.assertFalse(out.exists())

    def test_a_damaged_projects_vehicle_is_named_and_refused_at_once(self):
        # An axle's contact length of 32767 m, as a damaged file holds it.
        with tempfile.TemporaryDirectory() as d:
            damaged = pathlib.Path(d) / "damaged.vro"
            damaged.write_bytes(EXAMPLE.read_bytes() + b'"Veicolo","LM1 tandem",2,.4,300,0,32767,300,1.2,.4\r\n')
            start = time.monotonic()
            r = run("assess", damaged)
            self.assertLess(time.monotonic() - start, 10)
            self.assertEqual(r.returncode, 3, r.stderr)
            self.assertIn('axle 1: contact length a = 32767 m is above 25 m', r.stderr)
            self.assertIn("2000 kN, d up to 500 m, a up to 25 m", run("help", "vehicles").stdout)


class RailTraffic(unittest.TestCase):
    """LM71 is rail traffic: its own gQ, alpha and Phi in the verdict, the report and the JSON; road vehicles as
    before."""

    ROAD = ["--assess", "--vehicle", "LM1 tandem", "--spread", "1:2", "--strength", "5", "--friction", "0.6",
            "--code", "ntc", "--knowledge", "LC2", "--factor", "gM=2"]

    def test_the_library_says_each_vehicles_traffic_in_both_languages(self):
        text = run("vehicles").stdout
        self.assertIn("LM71 axles\n  track s 1.435 m, contact width w 0.25 m, symmetric\n  rail traffic\n", text)
        self.assertIn("LM1 tandem\n  track s 2 m, contact width w 0.4 m, symmetric\n  road traffic\n", text)
        self.assertIn("traffico ferroviario", run("vehicles", "--locale", "it").stdout)
        j = {v["name"]: v["trafficCategory"] for v in json.loads(run("vehicles", "--json").stdout)}
        self.assertEqual(j["LM71 axles"], "rail")
        self.assertEqual(j["LM1 tandem"], "road")
        user_library("vehicle Tram\ntrack 1.435\nwidth 0.2\naxle 100 0 0.2\ncategory tram\nend\n")
        self.assertIn("'category' is road or rail, not 'tram'", run("vehicles").stderr)
        (pathlib.Path(CONFIG) / "voro" / "vehicles.txt").unlink()

    def test_the_road_bridge_keeps_its_factors(self):
        r = run("report", EXAMPLE, *self.ROAD, "--out", "-", "--format", "txt")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("0.705", r.stdout)
        self.assertNotIn("γQ,rail", r.stdout)
        self.assertNotIn("Φ", r.stdout)

    def test_lm71_takes_rail_factors_and_the_factor_falls_by_them(self):
        args = ["--vehicle", "LM71 axles", "--sweep", "0", "--json"]
        plain = json.loads(run("assess", EXAMPLE, *args).stdout)
        self.assertEqual(plain["vehicle"]["trafficCategory"], "rail")
        en = json.loads(run("assess", EXAMPLE, *args, "--code", "en").stdout)
        ntc = json.loads(run("assess", EXAMPLE, *args, "--code", "ntc", "--track", "standard").stdout)
        self.assertEqual((en["partialFactors"]["gQrail"], en["partialFactors"]["alpha"]), (1.45, 1))
        self.assertEqual((ntc["partialFactors"]["gQrail"], ntc["partialFactors"]["alpha"]), (1.45, 1.1))
        found = en["partialFactors"]["phiFound"]
        span = found["clearSpan"]
        self.assertAlmostEqual(found["LPhi"], 2 * span, places=6)
        self.assertAlmostEqual(found["phiBase"], min(1.67, 1.44 / (math.sqrt(2 * span) - 0.2) + 0.82), places=6)
        self.assertEqual(ntc["partialFactors"]["phiFound"]["track"], "standard")
        self.assertGreater(ntc["partialFactors"]["phi"], en["partialFactors"]["phi"])
        # Permanent factors 1, no strip load: the vehicle alone scales; typed gQrail alpha phi divide the factor.
        typed = ["--code", "typed", "--set", "qCarico=0", "--factor", "gQrail=1.45", "--factor", "alpha=1.1",
                 "--factor", "phi=1.2"]
        base = json.loads(run("assess", EXAMPLE, *args, "--set", "qCarico=0").stdout)
        scaled = json.loads(run("assess", EXAMPLE, *args, *typed).stdout)
        self.assertIsNone(scaled["partialFactors"]["phiFound"])
        self.assertAlmostEqual(scaled["adequacyFactor"] * 1.45 * 1.1 * 1.2, base["worstVehicleFactor"], places=4)
        text = run("assess", EXAMPLE, "--vehicle", "LM71 axles", "--sweep", "0", *typed).stdout
        self.assertIn("Rail vehicle: gQ,rail 1.45, alpha 1.10, Phi 1.200; its design axle loads 1.9140 times", text)

    def test_the_report_cites_the_rail_clauses(self):
        given = ("--knowledge", "LC2", "--factor", "gM=2", "--strength", "5")
        r = run("report", EXAMPLE, "--assess", "--vehicle", "LM71 axles", "--sweep", "0", "--code", "ntc", *given,
                "--out", "-", "--format", "txt")
        self.assertEqual(r.returncode, 0, r.stderr)
        for clause in ("γQ,rail", "NTC 2018, Table 5.2.V", "NTC 2018, §5.2.2.2.1.1", "NTC 2018, §5.2.2.2.3",
                       "Table 5.2.II", "γQ,rail α Φ"):
            self.assertIn(clause, r.stdout)
        # The permissible load is the adequacy factor times LM71's own 250 kN
        # axles: the design axles divided by their rail factors, not by gQ.
        text = " ".join(r.stdout.split())
        f = float(re.search(r"An adequacy factor of (\d+\.\d+) means", text).group(1))
        axles = re.search(r"with axles of ([\d. +]+) kN", text).group(1).split(" + ")
        self.assertEqual(len(axles), 4)
        for p in axles:
            self.assertAlmostEqual(float(p), f * 250, delta=0.13)
        self.assertIn("the rail axles × γQ,rail α Φ", text)
        it = run("report", EXAMPLE, "--assess", "--vehicle", "LM71 axles", "--sweep", "0", "--code", "en", *given,
                 "--out", "-", "--format", "txt", "--locale", "it")
        self.assertIn("EN 1991-2:2003, §6.4.5", it.stdout)
        self.assertIn("binario", it.stdout)

    def test_wrong_rail_options_are_usage_errors(self):
        self.assertEqual(run("assess", EXAMPLE, "--track", "poor").returncode, 2)
        r = run("assess", EXAMPLE, "--factor", "alpha=0")
        self.assertEqual(r.returncode, 1)
        self.assertIn("α", r.stderr)


if __name__ == "__main__":
    unittest.main()
