#!/usr/bin/env python3
"""voro-cli report as an engineer uses it: every example written in each format by its file name, with the title,
the program, the date and the thrust of `solve --json`; the PDF on A4, its pages growing with the voussoirs, each
numbered and heading the section table it carries; failures, the assessment and the language on request. The
report's content itself is the core's tests'."""
import decimal
import re
import subprocess
import unittest
import xml.etree.ElementTree as ET

from voro_cli import CliTest, EXAMPLE, EXAMPLES, FAILING, SHALLOW, run

# A row of the section table as pdftotext lays it out.
ROW = r"\s*\d+(\s+-?\d+\.\d+){4}(\s+-?\d+\.\d\d){2}\s+-?\d+\.\d\s*"


def fixed(x, decimals):
    """A positive figure with the report's fixed decimals: 15 significant digits, then half away from zero."""
    q = decimal.Decimal(f"{x:.15g}").quantize(decimal.Decimal(1).scaleb(-decimals), rounding=decimal.ROUND_HALF_UP)
    return f"{q:.{decimals}f}"


def text_of(path):
    """What a reader of the file reads: the PDF's text, or the file itself."""
    if path.suffix != ".pdf":
        return path.read_text(encoding="utf-8")
    return subprocess.run(["pdftotext", "-layout", str(path), "-"], capture_output=True, text=True, check=True).stdout


class Report(CliTest):
    def test_every_example_in_every_format_with_the_figures_of_solve(self):
        version = run("--version").stdout.split()[2]
        for vro in EXAMPLES:
            thrust = fixed(self.json("solve", vro)["HSinistra"], 2)
            title = vro.read_text(encoding="cp1252").splitlines()[0].strip('"')
            for ext in ("txt", "pdf", "html"):
                path = self.dir / f"{vro.stem}.{ext}"
                self.ok("report", vro, "--out", path)
                content = text_of(path)
                self.says(content, title, "Calculation report", "2024-05-01 10:00 UTC", f"Voro {version}", thrust)
                self.assertNotRegex(content, r"(?i)\b(nan|inf|infinity)\b", path.name)
                if ext == "html":
                    root = ET.parse(path).getroot()  # raises on anything that is not well-formed
                    # One file, its two drawings inline, nothing fetched from elsewhere.
                    self.assertEqual(len([e for e in root.iter() if e.tag.endswith("svg")]), 2, vro.name)
                    self.assertNotRegex(content, r"(src|href)=\"(?!#)")

    def test_pages_grow_with_the_voussoirs_and_rows_stay_whole(self):
        counts = []
        for n in (12, 120, 240):
            path = self.dir / f"n{n}.pdf"
            self.ok("report", EXAMPLE, "--out", path, "--set", f"nConciAnello={n}")
            pages = text_of(path).split("\f")[:-1]
            counts.append(len(pages))
            seen = []
            for k, page in enumerate(pages):
                rows = [line.split() for line in page.splitlines() if re.fullmatch(ROW, line)]
                if rows:
                    # Every page that carries rows of the section table repeats its heading.
                    self.assertRegex(page, r"Sect\..*σe \[MPa\]")
                    self.assertIn(f"page {k + 1} of {len(pages)}", page)
                seen += [int(r[0]) for r in rows]
            joints = self.json("solve", EXAMPLE, "--set", f"nConciAnello={n}")["nGiunti"]
            self.assertEqual(seen, list(range(1, joints + 1)))
        self.assertEqual(counts, sorted(set(counts)))
        self.assertIn("A4", subprocess.run(["pdfinfo", str(path)], capture_output=True, text=True, check=True).stdout)

    def test_failures_are_said_with_the_inputs(self):
        for ext in ("txt", "pdf", "html"):
            path = self.dir / f"failed.{ext}"
            self.fails(1, "Error: Overflow in CalcoloMain", "report", FAILING, "--out", path)
            self.says(" ".join(text_of(path).split()), "No results: Error: Overflow in CalcoloMain", "Span")
        # The report of a geometry that cannot be built lists the value given.
        r = self.fails(1, "Error: Check Geometry", "report", EXAMPLE, "--set", "FrecciaAnello=7", "--out", "-",
                       "--format", "txt")
        self.assertRegex(r.stdout, r"Rise\s+f\s+7\s+m")

    def test_italian_numbers_on_request(self):
        text = self.report(SHALLOW, "--locale", "it")
        self.assertIn(fixed(self.json("solve", SHALLOW)["HSinistra"], 2).replace(".", ","), text)
        self.assertNotRegex(text, r"\d\.\d\d\b")
        self.says(text, "Relazione di calcolo", "Reazioni alle imposte")  # the language asked for
        self.assertNotIn("Calculation report", text)

    def test_the_safety_assessment_on_request_with_assess_s_hypotheses(self):
        hypotheses = ["--strength", "5", "--friction", "0.6", "--mobilisation", "0.5", "--sweep", "5"]
        a = self.json("assess", EXAMPLE, *hypotheses)
        path = self.dir / "assess.pdf"
        self.ok("report", EXAMPLE, "--out", path, "--assess", *hypotheses)
        self.says(text_of(path), "Safety assessment", "Conclusions", fixed(a["liveLoadFactor"], 3), "0.600")
        self.assertNotIn("Safety assessment", self.report(EXAMPLE))  # without --assess no such section


if __name__ == "__main__":
    unittest.main()
