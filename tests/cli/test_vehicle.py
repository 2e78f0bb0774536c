#!/usr/bin/env python3
"""voro-cli with a vehicle on the fill as a user runs it: the library, the sweep in words, JSON and CSV, the
report, the project's own vehicle, rail traffic's factors, and bad input that writes nothing."""
import time
import unittest

from voro_cli import CONFIG, CliTest, EXAMPLE, interrupt, rows

VEHICLE_KEYS = ["vehicle", "spread", "effectiveWidth", "vehicleSweep", "worstVehicleFactor", "worstVehicleX",
                "worstVehicleDirection", "vehicleMechanism", "vehicleAxles", "vehicleCertificate"]
SHIPPED = ["LM1 tandem", "LM2 single axle", "LM71 axles", "11.5 t single axle", "2 × 10 t bogie at 1.8 m",
           "3 × 8 t bogie at 1.3 m"]
TANDEM = ["--vehicle", "LM1 tandem", "--spread", "1:2"]


class Vehicles(CliTest):
    def user_library(self, text):
        (CONFIG / "voro").mkdir(exist_ok=True)
        (CONFIG / "voro" / "vehicles.txt").write_text(text, encoding="utf-8")
        self.addCleanup((CONFIG / "voro" / "vehicles.txt").unlink, missing_ok=True)

    def test_the_library_lists_the_shipped_vehicles_and_the_users_and_their_traffic(self):
        text = self.ok("vehicles")
        self.assertEqual([line for line in text.splitlines() if not line.startswith(" ")], SHIPPED)
        self.assertIn("LM71 axles\n  track s 1.435 m, contact width w 0.25 m, symmetric\n  rail traffic\n", text)
        self.assertIn("LM1 tandem\n  track s 2 m, contact width w 0.4 m, symmetric\n  road traffic\n", text)
        self.assertIn("traffico ferroviario", self.ok("vehicles", "--locale", "it"))
        self.user_library("vehicle Tractor\ntrack 1.6\nwidth 0.4\naxle 60 0 0.3\naxle 90 2.5 0.3\nend\n")
        j = self.json("vehicles")
        self.assertEqual([v["name"] for v in j], SHIPPED + ["Tractor"])
        self.assertEqual([v["trafficCategory"] for v in j[1:3]], ["road", "rail"])
        self.assertEqual(j[-1]["axles"], [{"load": 60, "distance": 0, "contactLength": 0.3},
                                          {"load": 90, "distance": 2.5, "contactLength": 0.3}])

    def test_a_broken_user_library_hides_no_shipped_vehicle(self):
        self.user_library("vehicle Mine\naxle 100 0 0.2\nend\nvehicle Bad\naxle 100 -1 0.2\nend\n")
        # Said as a warning; which vehicles it hides is the core's tests'.
        self.fails(0, 'vehicles.txt:5: vehicle "Bad", axle 1: distance d = -1 m is not a distance >= 0', "vehicles")
        r = self.fails(0, "warning", "assess", EXAMPLE, "--vehicle", "LM2 single axle", "--json")
        self.assertIn('"name": "LM2 single axle"', r.stdout)

    def test_the_sweep_in_json_words_and_csv(self):
        j = self.json("assess", EXAMPLE, *TANDEM)
        self.assertEqual(list(j)[-len(VEHICLE_KEYS):], VEHICLE_KEYS)
        self.assertEqual(j["spread"]["rule"], "1:2")
        sweep = j["vehicleSweep"]
        self.assertEqual({p["direction"] for p in sweep}, {"forward"})  # the tandem is its own mirror image
        self.assertTrue(all(b["x"] - a["x"] <= 0.05 + 1e-9 for a, b in zip(sweep, sweep[1:])))  # the default step
        self.assertEqual((len(j["vehicleMechanism"]), len(j["effectiveWidth"])), (4, 2))
        self.assertEqual([axle["effectiveWidth"] for axle in j["vehicleAxles"]], j["effectiveWidth"])
        self.says(self.ok("assess", EXAMPLE, *TANDEM), "6. Vehicle: LM1 tandem",
                  "Least live-load factor %.3f" % j["worstVehicleFactor"])
        summary = rows(self.ok("assess", EXAMPLE, EXAMPLE, "--vehicle", "3 × 8 t bogie at 1.3 m", "--csv", "-",
                               "--sweep", "0"))
        self.assertEqual((len(summary), summary[0]["vehicle"], summary[0]["worstVehicleDirection"],
                          len(summary[0]["vehicleMechanism"].split())), (2, "3 × 8 t bogie at 1.3 m", "forward", 4))

    def test_a_vehicle_that_is_not_its_own_mirror_image_is_driven_both_ways(self):
        (self.dir / "train.txt").write_text("# a tractor and its trailer\nvehicle Train\ntrack 1.8\nwidth 0.3\n"
                                            "axle 100 0 0.3\naxle 180 1.3 0.3\naxle 60 3.1 0.2\nend\n")
        j = self.json("assess", EXAMPLE, "--vehicle", "Train", "--vehicle-file", self.dir / "train.txt", "--spread",
                      "30", "--step", "0.1")
        self.assertEqual({p["direction"] for p in j["vehicleSweep"]}, {"forward", "backward"})
        self.assertIn(j["worstVehicleDirection"], ("forward", "backward"))
        self.assertEqual(j["spread"], {"rule": "30", "angle": 30})

    def test_the_projects_own_vehicle_is_swept_and_solves_as_before(self):
        project = self.dir / "with-vehicle.vro"
        project.write_bytes(EXAMPLE.read_bytes() +
                            b'"Veicolo","LM1 tandem",2,0.4,300,0,0.4,300,1.2,0.4\r\n"Diffusione","1:2"\r\n')
        with_file = self.json("assess", project)
        self.assertEqual(with_file["worstVehicleFactor"], self.json("assess", EXAMPLE, *TANDEM)["worstVehicleFactor"])
        # The vehicle moves only in its sweep: solve is as it was (the assessment's figures are the core's tests').
        self.assertEqual(self.ok("solve", project, "--json"), self.ok("solve", EXAMPLE, "--json"))
        self.assertEqual(self.json("assess", project, "--spread", "none")["spread"]["rule"], "none")  # --spread wins

    def test_the_vehicles_plots(self):
        plot, chart = self.dir / "worst.svg", self.dir / "sweep.png"
        self.ok("assess", EXAMPLE, "--vehicle", "LM71 axles", "--plot-vehicle", plot, "--plot-vehicle-sweep", chart)
        self.assertIn("LM71 axles, first axle at x =", plot.read_text())  # the drawing's content is the core's tests'
        self.assertTrue(chart.read_bytes().startswith(b"\x89PNG"))
        # Without a vehicle there is nothing to draw: said, and a failure.
        self.fails(1, "no vehicle", "assess", EXAMPLE, "--plot-vehicle", self.dir / "none.svg")
        self.assertFalse((self.dir / "none.svg").exists())

    def test_ctrl_c_lets_the_running_assessment_and_its_sweep_end_and_starts_no_further_one(self):
        args = ["--vehicle", "LM1 tandem", "--step", "0.0001", "--sweep", "0", "--csv", "-"]
        whole = rows(self.ok("assess", EXAMPLE, *args))[0]
        status, out, err = interrupt("assess", EXAMPLE, EXAMPLE, *args, after=0.3)
        summary = rows(out)
        self.assertEqual([row["status"] for row in summary], ["ok", "not started"])
        for column in ("worstVehicleFactor", "worstVehicleX [m]", "geometricSafetyFactor"):
            self.assertEqual(summary[0][column], whole[column])
        self.assertEqual(summary[1]["message"], "User interrupt occurred")
        self.assertEqual((status, err.count("not started: the batch was interrupted")), (1, 1))

    def test_bad_input_is_named_and_writes_nothing(self):
        d = self.dir
        (d / "bad.txt").write_text("vehicle Broken\ntrack 2\naxle 300 0 0.4\naxle inf 1.2 0.4\nend\n")
        (d / "huge.txt").write_text("vehicle Huge\ntrack 2\naxle 300 0 32767\nend\n")
        for args, status, message in [
                (["--vehicle", "Nope"], 1, 'unknown vehicle "Nope"'),
                (["--vehicle", "Broken", "--vehicle-file", d / "bad.txt"], 1,
                 'bad.txt:4: vehicle "Broken", axle 2: load P = inf kN is not a load >= 0'),
                # Beyond any road or rail vehicle: refused at once, not swept for minutes.
                (["--vehicle", "Huge", "--vehicle-file", d / "huge.txt"], 1,
                 'vehicle "Huge", axle 1: contact length a = 32767 m is above 25 m'),
                (["--vehicle", "LM1 tandem", "--spread", "61"], 1, "spread angle 61 degrees is outside 0 to 60 degrees"),
                (["--vehicle", "LM1 tandem", "--spread", "-5"], 1, "outside 0 to 60 degrees"),
                (["--vehicle", "LM1 tandem", "--spread", "steep"], 2, "--spread takes none, 1:2, 30, 45"),
                (["--vehicle", "LM1 tandem", "--step", "0"], 2, "--step takes a length"),
                (["--vehicle-file", d / "bad.txt"], 2, "--vehicle-file needs --vehicle")]:
            with self.subTest(args=args):
                r = self.fails(status, message, "assess", EXAMPLE, *args, "--csv", d / "out.csv")
                self.assertEqual(r.stdout, "")
                self.assertFalse((d / "out.csv").exists())
        # An axle's contact length of 32767 m, as a damaged project file holds it.
        damaged = d / "damaged.vro"
        damaged.write_bytes(EXAMPLE.read_bytes() + b'"Veicolo","LM1 tandem",2,.4,300,0,32767,300,1.2,.4\r\n')
        start = time.monotonic()
        self.fails(3, "axle 1: contact length a = 32767 m is above 25 m", "assess", damaged)
        self.assertLess(time.monotonic() - start, 10)
        self.assertIn("2000 kN, d up to 500 m, a up to 25 m", self.ok("help", "vehicles"))


class RailTraffic(CliTest):
    """LM71 is rail traffic: its own gQ, alpha and Phi in the verdict, the report and the JSON; road vehicles as
    before."""

    def test_lm71_takes_the_codes_rail_factors_or_those_typed(self):
        args = ["--vehicle", "LM71 axles", "--sweep", "0"]
        self.assertEqual(self.json("assess", EXAMPLE, *args)["vehicle"]["trafficCategory"], "rail")
        en = self.json("assess", EXAMPLE, *args, "--code", "en")["partialFactors"]
        ntc = self.json("assess", EXAMPLE, *args, "--code", "ntc", "--track", "standard")["partialFactors"]
        self.assertEqual((en["gQrail"], en["alpha"], ntc["gQrail"], ntc["alpha"]), (1.45, 1, 1.45, 1.1))
        self.assertLessEqual({"clearSpan", "LPhi", "phiBase"}, set(en["phiFound"]))
        self.assertEqual(ntc["phiFound"]["track"], "standard")
        typed = ["--code", "typed", "--factor", "gQrail=1.45", "--factor", "alpha=1.1", "--factor", "phi=1.2"]
        self.assertIsNone(self.json("assess", EXAMPLE, *args, *typed)["partialFactors"]["phiFound"])
        self.assertIn("Rail vehicle: gQ,rail 1.45, alpha 1.10, Phi 1.200; its design axle loads 1.9140 times",
                      self.ok("assess", EXAMPLE, *args, *typed))

    def test_the_report_cites_the_rail_clauses_and_a_road_vehicle_none(self):
        given = ("--assess", "--sweep", "0", "--knowledge", "LC2", "--factor", "gM=2", "--strength", "5", "--out", "-",
                 "--format", "txt")
        text = self.ok("report", EXAMPLE, "--vehicle", "LM71 axles", "--code", "ntc", *given)
        self.says(text, "γQ,rail", "NTC 2018, Table 5.2.V", "NTC 2018, §5.2.2.2.1.1", "NTC 2018, §5.2.2.2.3",
                  "Table 5.2.II", "γQ,rail α Φ")
        self.assertIn("the rail axles × γQ,rail α Φ", " ".join(text.split()))
        self.says(self.ok("report", EXAMPLE, "--vehicle", "LM71 axles", "--code", "en", *given, "--locale", "it"),
                  "EN 1991-2:2003, §6.4.5", "binario")
        # The report takes a road vehicle too; its tables and drawings are the core's tests'.
        road = self.ok("report", EXAMPLE, *TANDEM, "--friction", "0.6", "--code", "ntc", *given)
        self.says(road, "0.705", "Vehicle: LM1 tandem",
                  "Live-load factor against the position of the vehicle's first axle")
        self.assertFalse([s for s in ("γQ,rail", "Φ") if s in road], "a road vehicle takes no rail factor")


if __name__ == "__main__":
    unittest.main()
