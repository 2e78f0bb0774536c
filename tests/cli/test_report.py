#!/usr/bin/env python3
"""voro-cli report as an engineer uses it: the PDF's text (pdftotext), the HTML (parsed as XML) and the text
report of every example, written by their file names, hold the title, the program, the date and every section
of `solve --json` with the digits the text report prints; pages grow with the voussoirs and no row is cut;
failures, the assessment and the language on request. The report's content itself is the core's tests'."""
import decimal
import json
import pathlib
import re
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

from voro_cli import CliTest, EXAMPLE, EXAMPLES, FAILING, SHALLOW, run


def fixed(x, decimals, scale=1):
    """The report's fixed decimals: 15 significant digits, then half away from zero."""
    d = decimal.Decimal(f"{x:.15g}") * decimal.Decimal(scale)
    q = d.quantize(decimal.Decimal(1).scaleb(-decimals), rounding=decimal.ROUND_HALF_UP)
    s = f"{q:.{decimals}f}"
    return s[1:] if re.fullmatch(r"-0\.?0*", s) else s


def sections(j):
    """The rows of the section table, from the JSON results alone."""
    rows = []
    for s in range(1, j["nGiunti"] + 1):
        if s == 1:
            n, t, e = j["NPrimaSezione"], j["TPrimaSezione"], j["EccCalcSinistra"]
        else:
            c = j["Conci"][s - 2]
            n, t, e = c["Fassiale"], c["Ftaglio"], c["Eccentric"]
        stresses = (j["SigmaEstGiunti"][s - 1], j["SigmaIntGiunti"][s - 1], j["TauGiunti"][s - 1])
        rows.append([str(s), *(fixed(x, 3, decimal.Decimal("0.001")) for x in stresses),
                     fixed(j["PercGiunti"][s - 1], 1), fixed(n, 2), fixed(t, 2), fixed(e, 1, 1000)])
    return rows


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", str(path), "-"], capture_output=True, text=True, check=True).stdout


def text_of(path):
    """What a reader of the file reads: the PDF's text, or the file itself."""
    return pdf_text(path) if path.suffix == ".pdf" else path.read_text(encoding="utf-8")


class Report(CliTest):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.out = pathlib.Path(cls.tmp.name)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_every_example_in_every_format_with_the_figures_of_solve(self):
        version = run("--version").stdout.split()[2]
        for vro in EXAMPLES:
            j = self.json("solve", vro)
            title = vro.read_text(encoding="cp1252").splitlines()[0].strip('"')
            for ext in ("txt", "pdf", "html"):
                path = self.out / f"{vro.stem}.{ext}"
                self.ok("report", vro, "--out", path)
                content = text_of(path)
                self.says(content, title, "Calculation report", "2024-05-01 10:00 UTC", f"Voro {version}")
                self.assertNotRegex(content, r"(?i)\b(nan|inf|infinity)\b", path.name)
                if ext == "html":
                    root = ET.parse(path).getroot()  # raises on anything that is not well-formed
                    lines = [["".join(c.itertext()).strip() for c in tr if c.tag in ("td", "th")]
                             for tr in root.iter("tr")]
                    # One file, its two drawings inline, nothing fetched from elsewhere.
                    self.assertEqual(len([e for e in root.iter() if e.tag.endswith("svg")]), 2, vro.name)
                    self.assertNotRegex(content, r"(src|href)=\"(?!#)")
                else:
                    lines = [line.split() for line in content.splitlines()]
                for row in sections(j):
                    self.assertIn(row, lines, f"{path.name}: section {row[0]}")

    def test_pages_grow_with_the_voussoirs_and_rows_stay_whole(self):
        counts = []
        for n in (12, 120, 240):
            path = self.out / f"n{n}.pdf"
            self.ok("report", EXAMPLE, "--out", path, "--set", f"nConciAnello={n}")
            info = subprocess.run(["pdfinfo", str(path)], capture_output=True, text=True, check=True).stdout
            self.assertIn("A4", info)
            counts.append(int(re.search(r"Pages:\s+(\d+)", info).group(1)))
            pages = pdf_text(path).split("\f")
            seen = []
            for k, page in enumerate(pages):
                lines = page.splitlines()
                rows = [line.split() for line in lines
                        if re.fullmatch(r"\s*\d+(\s+-?\d+\.\d+){4}(\s+-?\d+\.\d\d){2}\s+-?\d+\.\d\s*", line)]
                if rows:
                    # Every page that carries rows of the section table repeats its heading.
                    self.assertTrue(any("Sect." in line and "σe [MPa]" in line for line in lines), k)
                    self.assertIn(f"page {k + 1} of {len(pages) - 1}", page)
                seen += [int(r[0]) for r in rows]
            self.assertEqual(seen, list(range(1, self.json("solve", EXAMPLE, "--set", f"nConciAnello={n}")["nGiunti"] + 1)))
        self.assertEqual(counts, sorted(set(counts)))

    def test_failures_are_said_with_the_inputs(self):
        for ext in ("txt", "pdf", "html"):
            path = self.out / f"failed.{ext}"
            self.fails(1, "Error: Overflow in CalcoloMain", "report", FAILING, "--out", path)
            self.says(" ".join(text_of(path).split()), "No results: Error: Overflow in CalcoloMain", "Span")
        content = self.fails(1, "", "report", EXAMPLE, "--out", "-", "--format", "txt", "--set", "FrecciaAnello=7").stdout
        self.says(content, "No voussoir model: Error: Check Geometry", "No results: Error: Check Geometry")
        self.assertRegex(content, r"Rise\s+f\s+7\s+m")

    def test_italian_numbers_on_request(self):
        text = self.report(SHALLOW, "--locale", "it")
        self.assertIn(fixed(self.json("solve", SHALLOW)["HSinistra"], 2).replace(".", ","), text)
        self.assertNotRegex(text, r"\d\.\d\d\b")
        self.says(text, "Relazione di calcolo", "Reazioni alle imposte")  # the language asked for
        self.assertNotIn("Calculation report", text)

    def test_the_safety_assessment_on_request_with_assess_s_hypotheses(self):
        hypotheses = ["--strength", "5", "--friction", "0.6", "--mobilisation", "0.5", "--sweep", "5"]
        a = self.json("assess", EXAMPLE, *hypotheses)
        path = self.out / "assess.pdf"
        self.ok("report", EXAMPLE, "--out", path, "--assess", *hypotheses)
        self.says(pdf_text(path), "Safety assessment", "Conclusions", fixed(a["liveLoadFactor"], 3), "0.600")
        self.assertNotIn("Safety assessment", self.report(EXAMPLE))  # without --assess no such section


if __name__ == "__main__":
    unittest.main()
