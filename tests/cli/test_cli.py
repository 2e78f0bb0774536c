#!/usr/bin/env python3
"""voro-cli as a user runs it: help, version, reports in both languages, overrides, usage errors, failures,
batches, exit codes, Ctrl+C."""
import json
import os
import shlex
import unittest

from voro_cli import CliTest, EXAMPLE, EXAMPLES, FAILING, ROOT, interrupt, rows, run

# Every mistake on the command line is a usage error (exit status 2) that names its culprit; P stands for a
# project, words in quotes are one argument.
USAGE = """
help draw | unknown command 'draw'
draw | draw
solve | project file
assess | project file
report --out x.pdf | project file
solve P --set Spessore=1 | Spessore
solve P --frobnicate | --frobnicate
solve P --set FrecciaAnello=7 --locale fr | --locale
solve --json=yes P | option '--json' takes no value
solve P --csv | option '--csv' needs a value (FILE.csv)
solve P -x | unknown option '-x'
solve P --csv - --json | --csv
assess P --csv - --json | --csv
solve - - | standard input ('-') can be read only once
assess - - | standard input ('-') can be read only once
plot - --cad | needs --out DRAWING.dxf
plot P | --out
plot P --out - | --out - needs --format
plot P --out x.bmp | --out must end in .svg, .png, .pdf or .dxf
plot P --out x.png --format bmp | --format is svg, png, pdf or dxf
plot P --out x.png --size 12x | --size needs WIDTHxHEIGHT
plot P --out x.png --view sideways | --view takes
report P | --out
report P --out - | --out - needs --format
report P --out x.doc | --out must end in .pdf, .html or .txt
report P --out x.pdf --format odt | --format is pdf, html or txt
report P --out x.pdf --locale fr | --locale
report P --out x.txt --assess --strength -1 | --strength
report P --vehicle 'LM1 tandem' --out - --format txt | --vehicle
assess P --plot - | --plot must end in .svg, .png, .pdf or .dxf
assess P --plot-sweep x.pdf | --plot-sweep must end in .svg or .png
assess P --sweep 1e3 | --sweep needs a whole number
assess P --set Attrito=rough | Attrito
assess P --strength -1 | --strength
assess P --mobilisation nan | --mobilisation
assess P --code bs | --code
assess P --knowledge LC4 | --knowledge
assess P --factor gM=abc | gM
assess P --factor gamma=1 | gamma
assess P --track poor | --track
assess P P --plot two.png | --plot
assess P P --vehicle 'LM1 tandem' --plot-vehicle v.svg | the vehicle's plots take one project
"""


# Failures of a calculation (exit status 1) and of a file (3), each with the message a user reads; P is a project,
# F one that fails, S one cut short, B one that holds an impossible width; nothing is drawn.
FAILURES = """
1 | solve F | Error: Overflow in CalcoloMain
1 | solve P --set nConciAnello=2 --set hRiempimentoSolido=3 | Error: Check Geometry
1 | solve P --json --set FrecciaAnello=7 | Ring: the rise exceeds half the span
1 | solve P --set FrecciaAnello=7 --locale it | controllare la geometria\\nAnello: la freccia supera la metà della luce
1 | solve P --set SpessoreAnello=-0.6 | Thickness of the ring t [m] = -0.6: must be greater than zero.
1 | solve P --set SpessoreAnello=-0.6 --locale it | Spessore dell'anello t [m] = -0.6: deve essere maggiore di zero.
1 | assess P --set FrecciaAnello=7 | Error: Check Geometry
1 | assess P --factor gM=0 | Partial factor γM of the masonry = 0: must be greater than zero
1 | assess P --factor gM=0 --locale it | Coefficiente parziale γM della muratura = 0: deve essere maggiore di zero
1 | assess P --factor alpha=0 | α
3 | solve no-such-file.vro | File not found
3 | solve S | Incomplete reading of the file
1 | solve B --json | Width of the arch [m] = -6
1 | plot B --mode geometry --out p.svg --locale it | Larghezza dell'arco [m] = -6
3 | solve -- --json | cannot read --json
3 | assess no-such-file.vro | File not found
3 | report no-such-file.vro --out /nonexistent-folder/report.pdf | File not found
3 | report P --out /nonexistent-folder/report.pdf | cannot write /nonexistent-folder/report.pdf: No such file or directory
"""


class Cli(CliTest):
    def test_help_however_asked_for_fits_the_terminal(self):
        r = run("--help")
        self.assertEqual((r.returncode, r.stderr), (0, ""))
        self.assertEqual(run("-h").stdout, r.stdout)
        self.assertEqual(run("help").stdout, r.stdout)
        solve = self.ok("help", "solve")
        # The help of a command, however asked for, also among other arguments.
        for args in (("solve", "--help"), ("solve", "-h"), ("solve", EXAMPLE, "--json", "-h")):
            self.assertEqual(run(*args).stdout, solve, args)
        helps = r.stdout + "".join(run("help", c).stdout for c in ("solve", "plot", "assess", "report", "vehicles"))
        self.assertTrue(all(len(line) <= 80 for line in helps.splitlines()))

    def test_version_from_the_build(self):
        version = self.ok("--version")
        self.assertRegex(version, r"^voro-cli \(Voro\) \d+\.\d+\.\d+\n")
        self.assertIn(f"project(Voro VERSION {version.split()[2]} ", (ROOT / "CMakeLists.txt").read_text())
        self.assertIn(f"Program: Voro {version.split()[2]}\n", self.ok("solve", EXAMPLE))

    def test_the_environment_s_language_gives_the_decimal_separator(self):
        # No digit groups; the program's version keeps its points. The report's words are the core's tests'.
        for lingua, figure, other in (("C.UTF-8", r"Hl +\d+\.\d\d\n", r"\d,\d"),
                                      ("it_IT.UTF-8", r"Hl +\d+,\d\d\n", r"\d\.\d\d")):
            out = self.ok("solve", EXAMPLE, env={**os.environ, "LC_ALL": lingua, "LC_NUMERIC": lingua})
            figures = "\n".join(riga for riga in out.splitlines() if "Voro " not in riga)
            self.assertRegex(figures, figure)
            self.assertNotRegex(figures, other)

    def test_usage_errors_name_the_culprit(self):
        for line in USAGE.strip().splitlines():
            args, message = line.split(" | ")
            with self.subTest(args=args):
                self.fails(2, message, *(EXAMPLE if a == "P" else a for a in shlex.split(args)))

    def test_failures_and_impossible_values_are_said(self):
        (self.dir / "S.vro").write_bytes(EXAMPLE.read_bytes()[:40])
        (self.dir / "negative width.vro").write_bytes(EXAMPLE.read_bytes().replace(b"6,6,.4,1", b"-6,-6,.4,1"))
        for line in FAILURES.strip().splitlines():
            status, args, message = line.split(" | ")
            with self.subTest(args=args):
                projects = {"P": EXAMPLE, "F": FAILING, "S": "S.vro", "B": "negative width.vro"}
                args = [projects.get(a, a) for a in shlex.split(args)]
                r = self.fails(int(status), message.replace("\\n", "\n"), *args, cwd=self.dir)
                if "--set" in args and " = " in message:
                    self.assertNotIn("Sections", r.stdout)  # an impossible value stops before any figure
        self.assertFalse((self.dir / "p.svg").exists())
        self.fails(1, "Anello: la freccia supera la metà della luce", "solve", EXAMPLE, "--set", "FrecciaAnello=7",
                   env={**os.environ, "LC_ALL": "", "LANG": "it_IT.UTF-8"})  # Italian asked for by the environment
        # What the JSON says of a failure: the message and its number; an impossible value has its own (two segments
        # the ring project does not hold have no thickness; a width below zero in the file).
        for command in ("solve", "assess"):
            self.assertEqual(json.loads(run(command, EXAMPLE, "--json", "--set", "FrecciaAnello=7").stdout),
                             {"error": "Error: Check Geometry", "number": 1002})
        for args in ((EXAMPLE, "--set", "nVori=2"), (self.dir / "negative width.vro",)):
            self.assertEqual(json.loads(run("solve", *args, "--json").stdout)["number"], 1004)

    def test_batch_writes_one_summary_row_per_project_and_a_search_run_to_its_end_is_not_marked_stopped(self):
        self.fails(1, "", "solve", *EXAMPLES, FAILING, "--csv", self.dir / "summary.csv")
        summary = rows((self.dir / "summary.csv").read_text())
        self.assertEqual([row["file"] for row in summary], [str(p) for p in EXAMPLES] + [str(FAILING)])
        self.assertEqual([row["status"] for row in summary], ["ok"] * len(EXAMPLES) + ["failed"])
        single = self.json("solve", EXAMPLES[0])
        self.assertAlmostEqual(float(summary[0]["sig_e_worst [MPa]"]), single["SigmaEstPeggiore"] / 1000, places=5)
        self.assertEqual(self.json("solve", *EXAMPLES[:2])[0], single)
        search = ["--set", "OttimizzaCerniere=true", "--set", "nDivisioni=10"]
        self.assertNotIn("StopOttimizzazione", self.json("solve", EXAMPLE, *search))
        self.assertEqual([row["status"] for row in rows(self.ok("solve", EXAMPLE, "--csv", "-", *search))], ["ok"])

    def stopped_search(self, *args):
        """Ctrl+C once the hinge search has told its estimated time."""
        return interrupt("solve", *args, "--progress", "--set", "OttimizzaCerniere=true", "--set", "nDivisioni=3000",
                         ready="Estimated time of the hinge search: about")

    def test_ctrl_c_stops_the_search_with_the_best_point_so_far(self):
        status, out, err = self.stopped_search(EXAMPLE)
        # A stopped search is a result: the report of the best point so far, which says so.
        self.assertEqual(status, 0, err)
        self.assertIn("The search was stopped before its end: the three points are the best found so far.",
                      " ".join(out.split()))
        self.assertIn("Eccentricities used", out)
        self.assertIn("search stopped: the results are those of the best point so far", err)
        # The progress line is ended before the message.
        self.assertRegex(err, r"\rStep \d+/3001 *\nvoro-cli: ")

    def test_ctrl_c_stops_a_batch_and_starts_no_further_project(self):
        status, out, err = self.stopped_search(*EXAMPLES, "--json", "--csv", self.dir / "summary.csv")
        summary = rows((self.dir / "summary.csv").read_text())
        # The searches running side by side (as many as there are cores, or fewer
        # where a busy machine had not started them all) stop with the best point
        # so far; the projects still waiting are not started, and say so.
        statuses = [row["status"] for row in summary]
        running = statuses.count("stopped")
        self.assertTrue(1 <= running <= min(len(EXAMPLES), os.cpu_count() or 1), statuses)
        self.assertEqual(statuses, ["stopped"] * running + ["not started"] * (len(EXAMPLES) - running))
        self.assertTrue(all(row["sig_e_worst [MPa]"] != "" for row in summary[:running]))
        self.assertTrue(all(row["message"] == "User interrupt occurred" for row in summary[running:]))
        self.assertEqual(status, 1)
        results = json.loads(out)
        for result in results[:running]:
            self.assertIs(result["StopOttimizzazione"], True)
            self.assertEqual(len(result["SigmaEstGiunti"]), result["nGiunti"])
        for result in results[running:]:
            self.assertEqual(result, {"error": "User interrupt occurred", "number": 18})
        self.assertEqual(err.count("not started: the batch was interrupted"), len(EXAMPLES) - running)
        self.assertEqual(err.count("search stopped"), running)


if __name__ == "__main__":
    unittest.main()
