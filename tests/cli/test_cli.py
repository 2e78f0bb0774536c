#!/usr/bin/env python3
"""voro-cli as a user runs it: reports, JSON, overrides, batches, exit codes, Ctrl+C."""
import csv
import json
import os
import pathlib
import signal
import subprocess
import tempfile
import time
import unittest

from voro_cli import CLI, EXAMPLE, EXAMPLES, FAILING, ROOT, run


class Cli(unittest.TestCase):
    def test_help_however_asked_for_fits_the_terminal(self):
        r = run("--help")
        self.assertEqual((r.returncode, r.stderr), (0, ""))
        self.assertEqual(run("-h").stdout, r.stdout)
        self.assertEqual(run("help").stdout, r.stdout)
        solve = run("help", "solve")
        self.assertEqual(solve.returncode, 0)
        # The help of a command, however asked for, also among other arguments.
        for args in (("solve", "--help"), ("solve", "-h"), ("solve", EXAMPLE, "--json", "-h")):
            self.assertEqual(run(*args).stdout, solve.stdout, args)
        helps = r.stdout + "".join(run("help", c).stdout for c in ("solve", "plot", "assess", "report", "vehicles"))
        self.assertTrue(all(len(line) <= 80 for line in helps.splitlines()))
        r = run("help", "draw")
        self.assertEqual(r.returncode, 2)
        self.assertIn("unknown command 'draw'", r.stderr)

    def test_version_from_the_build(self):
        r = run("--version")
        self.assertEqual(r.returncode, 0)
        self.assertRegex(r.stdout, r"^voro-cli \(Voro\) \d+\.\d+\.\d+\n")
        cmake = (ROOT / "CMakeLists.txt").read_text()
        self.assertIn(f"project(Voro VERSION {r.stdout.split()[2]} ", cmake)
        self.assertIn(f"Program: Voro {r.stdout.split()[2]}\n", run("solve", EXAMPLE).stdout)

    def test_report_has_units_and_the_language_s_decimal_separator(self):
        for lingua, parole in (("C.UTF-8", ("Force a tie at the springings would carry", "Reactions at springings", "Value [kN]", "Passive pressure resultants",
                                             "Eccentricities used")),
                               ("it_IT.UTF-8", ("Forza che porterebbe una catena alle imposte", "Reazioni alle imposte", "Valore [kN]",
                                                "Risultanti della spinta passiva", "Eccentricità usate"))):
            r = run("solve", EXAMPLE, env={**os.environ, "LC_ALL": lingua, "LC_NUMERIC": lingua})
            self.assertEqual(r.returncode, 0, r.stderr)
            for heading in ("σe [MPa]", "σi [MPa]", "τ [MPa]", "comp. [%]", "N [kN]", "T [kN]", "e [mm]",
                            *parole):
                self.assertIn(heading, r.stdout)
            # The words and the decimal separator follow the language; no
            # digit groups. The program's version keeps its points.
            figure = "\n".join(riga for riga in r.stdout.splitlines() if "Voro " not in riga)
            if lingua.startswith("it"):
                self.assertRegex(figure, r"Hl +\d+,\d\d\n")
                self.assertNotRegex(figure, r"\d\.\d\d")  # section numbers are 1.1
            else:
                self.assertRegex(figure, r"Hl +\d+\.\d\d\n")
                self.assertNotRegex(figure, r"\d,\d")

    def test_set_overrides_an_input_by_name(self):
        base = json.loads(run("solve", EXAMPLE, "--json").stdout)
        thick = json.loads(run("solve", EXAMPLE, "--json", "--set", "SpessoreAnello=0.8",
                               "--set", "OttimizzaCerniere=false", "--set", "nConciSpinta(0)=3").stdout)
        self.assertEqual(thick["EccCalcChiave"], 0.0)
        self.assertGreater(thick["SommaV"], base["SommaV"])
        self.assertAlmostEqual(thick["Conci"][0]["hSezioneEff"], 0.8, places=6)

    def test_usage_errors_name_the_culprit(self):
        for args, culprit in ((["solve", EXAMPLE, "--set", "Spessore=1"], "Spessore"),
                              (["solve", EXAMPLE, "--set", "nDivisioni=2.5"], "nDivisioni"),
                              (["solve", EXAMPLE, "--set", "SpintaPassiva=maybe"], "SpintaPassiva"),
                              (["solve", EXAMPLE, "--frobnicate"], "--frobnicate"),
                              (["solve"], "project file"), (["draw"], "draw")):
            r = run(*args)
            self.assertEqual(r.returncode, 2, args)
            self.assertIn(culprit, r.stderr)

    def test_failures_and_unreadable_files(self):
        r = run("solve", FAILING)
        self.assertEqual(r.returncode, 1)
        self.assertIn("Error: Overflow in CalcoloMain", r.stderr)
        r = run("solve", EXAMPLE, "--set", "nConciAnello=2", "--set", "hRiempimentoSolido=3")
        self.assertEqual(r.returncode, 1)
        self.assertIn("Error: Check Geometry", r.stderr)
        # Two segments that the ring project does not hold have no thickness.
        self.assertEqual(json.loads(run("solve", EXAMPLE, "--json", "--set", "nVori=2").stdout)["number"], 1004)
        # A rise beyond half the span is refused, with the reason.
        r = run("solve", EXAMPLE, "--json", "--set", "FrecciaAnello=7")
        self.assertEqual(r.returncode, 1)
        self.assertEqual(json.loads(r.stdout), {"error": "Error: Check Geometry", "number": 1002})
        self.assertIn("Ring: the rise exceeds half the span", r.stderr)
        # The same message in Italian, asked for with --locale or by the environment.
        r = run("solve", EXAMPLE, "--set", "FrecciaAnello=7", "--locale", "it")
        self.assertIn("Errore: controllare la geometria\nAnello: la freccia supera la metà della luce", r.stderr)
        r = run("solve", EXAMPLE, "--set", "FrecciaAnello=7", env={**os.environ, "LC_ALL": "", "LANG": "it_IT.UTF-8"})
        self.assertIn("Anello: la freccia supera la metà della luce", r.stderr)
        r = run("solve", EXAMPLE, "--set", "FrecciaAnello=7", "--locale", "fr")
        self.assertEqual(r.returncode, 2)
        r = run("solve", ROOT / "no-such-file.vro")
        self.assertEqual(r.returncode, 3)
        self.assertIn("File not found", r.stderr)
        with tempfile.NamedTemporaryFile("wb", suffix=".vro", delete=False) as f:
            f.write(EXAMPLE.read_bytes()[:40])
        r = run("solve", f.name)
        os.unlink(f.name)
        self.assertEqual(r.returncode, 3)
        self.assertIn("Incomplete reading of the file", r.stderr)

    def test_impossible_values_fail_naming_their_quantity(self):
        r = run("solve", EXAMPLE, "--set", "SpessoreAnello=-0.6")
        self.assertEqual(r.returncode, 1)
        self.assertIn("Thickness of the ring t [m] = -0.6: must be greater than zero.", r.stderr)
        r = run("solve", EXAMPLE, "--set", "SpessoreAnello=-0.6", "--locale", "it")
        self.assertEqual(r.returncode, 1)
        self.assertIn("Spessore dell'anello t [m] = -0.6: deve essere maggiore di zero.", r.stderr)
        self.assertNotIn("Sections", r.stdout)
        for setting, quantity in (("Larghezza=-6", "Larghezza dell'arco"), ("hRiempimento=-3", "riempimento"),
                                  ("qCarico=-20", "Carico variabile q"), ("Kp=-1", "Kp"),
                                  ("nConciAnello=0", "Numero dei conci")):
            r = run("solve", EXAMPLE, "--set", setting, "--locale", "it")
            self.assertEqual(r.returncode, 1, setting)
            self.assertIn(quantity, r.stderr)
        # A file holding an impossible value fails the same way, solved or plotted.
        with tempfile.TemporaryDirectory() as d:
            bad = pathlib.Path(d) / "negative width.vro"
            bad.write_bytes(EXAMPLE.read_bytes().replace(b"6,6,.4,1", b"-6,-6,.4,1"))
            r = run("solve", bad, "--json")
            self.assertEqual(r.returncode, 1)
            self.assertEqual(json.loads(r.stdout)["number"], 1004)
            self.assertIn("Width of the arch [m] = -6", r.stderr)
            r = run("plot", bad, "--mode", "geometry", "--out", pathlib.Path(d) / "p.svg", "--locale", "it")
            self.assertEqual(r.returncode, 1)
            self.assertIn("Larghezza dell'arco [m] = -6", r.stderr)
            self.assertFalse((pathlib.Path(d) / "p.svg").exists())

    def test_batch_writes_one_summary_row_per_project(self):
        examples = EXAMPLES
        with tempfile.TemporaryDirectory() as d:
            out = pathlib.Path(d) / "summary.csv"
            r = run("solve", *examples, FAILING, "--csv", out)
            self.assertEqual(r.returncode, 1)
            with out.open() as f:
                rows = list(csv.DictReader(f))
        self.assertEqual([row["file"] for row in rows], [str(p) for p in examples] + [str(FAILING)])
        self.assertEqual([row["status"] for row in rows], ["ok"] * len(examples) + ["failed"])
        single = json.loads(run("solve", examples[0], "--json").stdout)
        self.assertAlmostEqual(float(rows[0]["sig_e_worst [MPa]"]), single["SigmaEstPeggiore"] / 1000, places=5)
        both = json.loads(run("solve", *examples[:2], "--json").stdout)
        self.assertEqual(both[0], single)

    def interrupt_when_estimated(self, *args):
        """Runs solve with --progress and presses Ctrl+C once the search has told its estimated time."""
        p = subprocess.Popen([CLI, "solve", *map(str, args), "--progress", "--set", "OttimizzaCerniere=true",
                              "--set", "nDivisioni=3000"], stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        # Read as bytes: the progress line is rewritten after carriage returns.
        first = p.stderr.readline().decode()
        self.assertIn("Estimated time of the hinge search: about", first)
        interrupted = time.monotonic()
        p.send_signal(signal.SIGINT)
        out, err = p.communicate(timeout=60)
        self.assertLess(time.monotonic() - interrupted, 5)
        return p.returncode, out.decode(), first + err.decode()

    def test_ctrl_c_stops_the_search_with_the_best_point_so_far(self):
        status, out, err = self.interrupt_when_estimated(EXAMPLE)
        # A stopped search is a result: the report of the best point so far, which says so.
        self.assertEqual(status, 0, err)
        self.assertIn("The search was stopped before its end: the three points are the best found so far.",
                      " ".join(out.split()))
        self.assertIn("Eccentricities used", out)
        self.assertIn("search stopped: the results are those of the best point so far", err)
        # The progress line is ended before the message.
        self.assertRegex(err, r"\rStep \d+/3001 *\nvoro-cli: ")

    def test_ctrl_c_stops_a_batch_and_starts_no_further_project(self):
        examples = EXAMPLES
        with tempfile.TemporaryDirectory() as d:
            summary = pathlib.Path(d) / "summary.csv"
            status, out, err = self.interrupt_when_estimated(*examples, "--json", "--csv", summary)
            with summary.open() as f:
                rows = list(csv.DictReader(f))
        # The searches running side by side stop with the best point so far;
        # the projects still waiting are not started, and say so.
        # As many run as there are cores, or fewer where a busy machine had not
        # yet started them all when Ctrl+C came.
        statuses = [row["status"] for row in rows]
        running = statuses.count("stopped")
        self.assertTrue(1 <= running <= min(len(examples), os.cpu_count() or 1), statuses)
        self.assertEqual(statuses, ["stopped"] * running + ["not started"] * (len(examples) - running))
        for row in rows[:running]:
            self.assertNotEqual(row["sig_e_worst [MPa]"], "")
        for row in rows[running:]:
            self.assertEqual(row["message"], "User interrupt occurred")
        self.assertEqual(status, 1)
        results = json.loads(out)
        for result in results[:running]:
            self.assertIs(result["StopOttimizzazione"], True)
            self.assertEqual(len(result["SigmaEstGiunti"]), result["nGiunti"])
        for result in results[running:]:
            self.assertEqual(result, {"error": "User interrupt occurred", "number": 18})
        self.assertEqual(err.count("not started: the batch was interrupted"), len(examples) - running)
        self.assertEqual(err.count("search stopped"), running)

    def test_a_search_run_to_its_end_is_not_marked_stopped(self):
        r = run("solve", EXAMPLE, "--json", "--set", "OttimizzaCerniere=true", "--set", "nDivisioni=10")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertNotIn("StopOttimizzazione", json.loads(r.stdout))
        r = run("solve", EXAMPLE, "--csv", "-", "--set", "OttimizzaCerniere=true", "--set", "nDivisioni=10")
        self.assertEqual(list(csv.DictReader(r.stdout.splitlines()))[0]["status"], "ok")

if __name__ == "__main__":
    unittest.main()
