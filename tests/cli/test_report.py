#!/usr/bin/env python3
"""voro-cli report as an engineer uses it: the PDF's text (pdftotext), the HTML
(parsed as XML) and the text report hold the title, every input value and
every result of `solve --json`, each with the digits the text report prints;
pages grow with the voussoirs and no row is cut; failures are said."""
import decimal
import json
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

import voro_cli
from voro_cli import EXAMPLE, EXAMPLES, FAILING, ROOT

ENV = {**voro_cli.ENV, "SOURCE_DATE_EPOCH": "1714557600"}


def run(*args):
    return voro_cli.run(*args, env=ENV)


def fixed(x, decimals, scale=1):
    """The report's fixed decimals: 15 significant digits, then half away from zero."""
    d = decimal.Decimal(f"{x:.15g}") * decimal.Decimal(scale)
    q = d.quantize(decimal.Decimal(1).scaleb(-decimals), rounding=decimal.ROUND_HALF_UP)
    s = f"{q:.{decimals}f}"
    return s[1:] if re.fullmatch(r"-0\.?0*", s) else s


def single_text(x):
    """An input value as typed: the plain text of the Single, 7 significant digits."""
    f = struct.unpack("f", struct.pack("f", x))[0]
    s = f"{f:.7g}"
    return s


MPa = lambda x: fixed(x, 3, decimal.Decimal("0.001"))
kN = lambda x: fixed(x, 2)
mm = lambda x: fixed(x, 1, 1000)
pct = lambda x: fixed(x, 1)
m3 = lambda x: fixed(x, 3)


def expected(j):
    """The rows every report must hold, from the JSON results alone."""
    sections = []
    for s in range(1, j["nGiunti"] + 1):
        if s == 1:
            n, t, e = j["NPrimaSezione"], j["TPrimaSezione"], j["EccCalcSinistra"]
        else:
            c = j["Conci"][s - 2]
            n, t, e = c["Fassiale"], c["Ftaglio"], c["Eccentric"]
        sections.append([str(s), MPa(j["SigmaEstGiunti"][s - 1]), MPa(j["SigmaIntGiunti"][s - 1]),
                         MPa(j["TauGiunti"][s - 1]), pct(j["PercGiunti"][s - 1]), kN(n), kN(t), mm(e)])
    labelled = [
        ("left springing el", ["1", mm(j["EccCalcSinistra"]), m3(j["xCerniera"][0]), m3(j["yCerniera"][0])]),
        ("crown ec", [str(j["iChiave"] + 1), mm(j["EccCalcChiave"]), m3(j["xCerniera"][1]), m3(j["yCerniera"][1])]),
        ("right springing er", [str(j["nGiunti"]), mm(j["EccCalcDestra"]), m3(j["xCerniera"][2]),
                                m3(j["yCerniera"][2])]),
        ("Extrados stress", ["σe", MPa(j["SigmaEstPeggiore"]), "MPa", str(j["iSigmaEstPeggiore"])]),
        ("Intrados stress", ["σi", MPa(j["SigmaIntPeggiore"]), "MPa", str(j["iSigmaIntPeggiore"])]),
        ("Smallest compressed part", ["comp.", pct(j["PercMinima"]), "%", str(j["iPercMinima"])]),
        ("Horizontal force, left springing", ["Hl", kN(j["HSinistra"])]),
        ("Vertical force, left springing", ["Vl", kN(j["VSinistra"])]),
        ("Horizontal force, right springing", ["Hr", kN(j["HDestra"])]),
        ("Vertical force, right springing", ["Vr", kN(j["VDestra"])]),
        ("Force a tie at the springings would carry (none in the model)", [kN(j["TiroCatena"])]),
        ("Total vertical load", [kN(j["SommaV"])]),
        ("Passive pressure resultant, left", ["Pl", kN(j["SommaHSinistra"]), "kN"]),
        ("Passive pressure resultant, right", ["Pr", kN(-j["SommaHDestra"]), "kN"]),
        ("Moment about the left extrados end", ["Ml", kN(j["MomentoPareteSinistra"]), "kNm"]),
        ("Moment about the right extrados end", ["Mr", kN(j["MomentoPareteDestra"]), "kNm"]),
        ("Voussoirs of the ring", [str(j["nConciTot"])]),
        ("Sections (joints)", [str(j["nGiunti"])]),
        ("Crown voussoir", [str(j["iChiave"])]),
        ("Wall voussoirs, left", [str(j["nConciPareteSinistra"])]),
        ("Wall voussoirs, right", [str(j["nConciPareteDestra"])]),
        ("Load from", ["xq1", single_text(j["xq1"]), "m"]),
        ("Load to", ["xq2", single_text(j["xq2"]), "m"]),
    ]
    return sections, labelled


def inputs(vro):
    """Every number of the project file as the report prints it: the start
    eccentricities in mm, the rest as typed; Booleans as yes or no."""
    lines = vro.read_text(encoding="cp1252").splitlines()
    segments = int(lines[5])
    ecc_line = 6 + (1 if segments == 1 else segments) + 1
    values = []
    for i, line in enumerate(lines[1:], start=1):
        for field in line.split(","):
            field = field.strip()
            if field in ("#TRUE#", "#FALSE#"):
                values.append("yes" if field == "#TRUE#" else "no")
            elif i == ecc_line:
                values.append(single_text(float(field) * 1000))
            elif i != 1 or field != "0":  # line 2 starts with a stored value the program never uses
                values.append(single_text(float(field)))
    return lines[0].strip('"'), values


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", str(path), "-"], capture_output=True, text=True,
                          check=True).stdout


def html_rows(path):
    root = ET.parse(path).getroot()  # raises on anything that is not well-formed
    rows = []
    for tr in root.iter("tr"):
        rows.append(["".join(c.itertext()).strip() for c in tr if c.tag in ("td", "th")])
    return root, rows


def has_row(lines, label, values):
    """A line that holds the label and, after it, the values in order."""
    for line in lines:
        if label in line:
            rest = line.split(label, 1)[1].split()
            if rest[:len(values)] == values or rest[-len(values):] == values:
                return True
    return False


class Report(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.out = pathlib.Path(cls.tmp.name)
        cls.made = {}
        for vro in EXAMPLES:
            name = vro.stem
            j = json.loads(run("solve", vro, "--json").stdout)
            files = {}
            for ext in ("txt", "pdf", "html"):
                path = cls.out / f"{name}.{ext}"
                r = run("report", vro, "--out", path)
                assert r.returncode == 0, r.stderr
                files[ext] = path
            cls.made[name] = (vro, j, files)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_every_result_with_the_digits_of_the_text_report(self):
        for name, (vro, j, files) in self.made.items():
            sections, labelled = expected(j)
            text = files["txt"].read_text(encoding="utf-8").splitlines()
            pdf = pdf_text(files["pdf"]).splitlines()
            _, rows = html_rows(files["html"])
            for where, lines in (("txt", text), ("pdf", pdf)):
                tokens = [line.split() for line in lines]
                for row in sections:
                    self.assertIn(row, tokens, f"{name}.{where}: section {row[0]}")
                for label, values in labelled:
                    self.assertTrue(has_row(lines, label, values), f"{name}.{where}: {label} {values}")
            for row in sections:
                self.assertIn(row, rows, f"{name}.html: section {row[0]}")
            for label, values in labelled:
                self.assertTrue(any(r and r[0] == label and all(v in r for v in values) for r in rows),
                                f"{name}.html: {label} {values}")

    def test_title_and_every_input_value(self):
        version = run("--version").stdout.split()[2]
        for name, (vro, j, files) in self.made.items():
            title, values = inputs(vro)
            text = files["txt"].read_text(encoding="utf-8")
            pdf = pdf_text(files["pdf"])
            root, rows = html_rows(files["html"])
            cells = {c for r in rows for c in r}
            for where, content in (("txt", text), ("pdf", pdf)):
                self.assertIn(title, content, where)
                self.assertIn("Calculation report", content)
                self.assertIn("2024-05-01 10:00 UTC", content)
                self.assertRegex(content, rf"Program:? +Voro {re.escape(version)}\n")
                tokens = set(content.split())
                for v in values:
                    self.assertIn(v, tokens, f"{name}.{where}: input {v}")
            self.assertIn(title, cells)
            self.assertIn(f"Voro {version}", cells)
            self.assertEqual(root.find("head/title").text, f"Calculation report - {title}")
            for v in values:
                self.assertIn(v, cells, f"{name}.html: input {v}")
            # Who signs, and the project's title block, are blanks to fill in.
            for role in ("Engineer", "Checker", "Approver"):
                self.assertIn([role, "Name: Registration: Date:"], rows)
            for field in ("Document number", "Structure", "Location", "Owner", "Client", "Purpose", "Revision",
                          "Status"):
                self.assertIn([field, ""], rows)

    def test_a_repeatable_report_gives_the_same_bytes(self):
        vro = EXAMPLE
        first = self.made[vro.stem][2]["pdf"].read_bytes()
        again = self.out / "again.pdf"
        self.assertEqual(run("report", vro, "--out", again).returncode, 0)
        self.assertEqual(again.read_bytes(), first)
        self.assertIn(b"/CreationDate (D:20240501100000", first)

    def test_html_is_one_file_with_its_drawings_inline(self):
        for name, (vro, j, files) in self.made.items():
            root, _ = html_rows(files["html"])
            svgs = [e for e in root.iter() if e.tag.endswith("svg")]
            self.assertEqual(len(svgs), 2, name)
            page = files["html"].read_text(encoding="utf-8")
            self.assertNotRegex(page, r"(src|href)=\"(?!#)")  # nothing fetched from elsewhere
            captions = [e.text for e in root.iter("figcaption")]
            self.assertTrue(captions[0].startswith("Figure 1: Geometry"))
            self.assertTrue(captions[1].startswith("Figure 2: Results"))

    def test_pages_grow_with_the_voussoirs_and_rows_stay_whole(self):
        vro = EXAMPLE
        counts = []
        for n in (12, 120, 240):
            path = self.out / f"n{n}.pdf"
            self.assertEqual(run("report", vro, "--out", path, "--set", f"nConciAnello={n}").returncode, 0)
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
            sections = json.loads(run("solve", vro, "--json", "--set", f"nConciAnello={n}").stdout)["nGiunti"]
            self.assertEqual(seen, list(range(1, sections + 1)))
        self.assertLess(counts[0], counts[1])
        self.assertLess(counts[1], counts[2])

    def test_failures_are_said_with_the_inputs(self):
        for ext in ("txt", "pdf", "html"):
            path = self.out / f"failed.{ext}"
            r = run("report", FAILING, "--out", path)
            self.assertEqual(r.returncode, 1, r.stderr)
            self.assertIn("Error: Overflow in CalcoloMain", r.stderr)
            content = pdf_text(path) if ext == "pdf" else path.read_text(encoding="utf-8")
            self.assertIn("No results: Error: Overflow in CalcoloMain", " ".join(content.split()))
            self.assertIn("Steps of the search", content)
            self.assertIn("Span", content)
        path = self.out / "geometry.txt"
        r = run("report", EXAMPLE, "--out", path, "--set", "FrecciaAnello=7")
        self.assertEqual(r.returncode, 1)
        content = path.read_text(encoding="utf-8")
        self.assertIn("No voussoir model: Error: Check Geometry", content)
        self.assertIn("No results: Error: Check Geometry", content)
        self.assertRegex(content, r"Rise\s+f\s+7\s+m")

    def test_nothing_that_is_not_a_number(self):
        outputs = [p for _, (_, _, files) in self.made.items() for p in files.values()]
        outputs += list(self.out.glob("failed.*"))
        for path in outputs:
            content = pdf_text(path) if path.suffix == ".pdf" else path.read_text(encoding="utf-8")
            self.assertNotRegex(content, r"(?i)\b(nan|inf|infinity)\b", path.name)

    def test_italian_numbers_on_request(self):
        vro = ROOT / "examples" / "arco-ribassato-spinta.vro"
        j = json.loads(run("solve", vro, "--json").stdout)
        path = self.out / "it.txt"
        self.assertEqual(run("report", vro, "--out", path, "--locale", "it").returncode, 0)
        text = path.read_text(encoding="utf-8")
        self.assertIn(kN(j["HSinistra"]).replace(".", ","), text)
        self.assertIn("Hl", text)
        self.assertNotRegex(text, r"\d\.\d\d\b")
        # The report speaks the language asked for.
        self.assertIn("Relazione di calcolo", text)
        self.assertIn("Reazioni alle imposte", text)
        self.assertNotIn("Calculation report", text)

    def test_the_safety_assessment_on_request(self):
        for vro in EXAMPLES:
            a = json.loads(run("assess", vro, "--json", "--sweep", "10").stdout)
            path = self.out / f"{vro.stem}-assess.pdf"
            r = run("report", vro, "--out", path, "--assess", "--sweep", "10")
            self.assertEqual(r.returncode, 0, r.stderr)
            lines = pdf_text(path).splitlines()

            def shows(label, value):
                return any(label in line and value in line.split(label, 1)[1].split() for line in lines)

            self.assertTrue(any("Safety assessment" in line for line in lines), vro.stem)
            self.assertTrue(shows("Depth ratio: joint depth to the depth the line needs",
                                  fixed(a["geometricSafetyFactor"], 3)), vro.stem)
            self.assertTrue(shows("Geometric factor of safety (Heyman)", fixed(a["thicknessFactor"], 3)), vro.stem)
            self.assertTrue(any("Conclusions" in line for line in lines), vro.stem)
            self.assertTrue(shows("Verdict", "adequate" if a["adequate"] else "not"), vro.stem)
            self.assertTrue(shows("Least thrust", kN(a["thrustMin"])), vro.stem)
            self.assertTrue(shows("Thinnest segment at the least thickness", m3(a["minimumThickness"])),
                            vro.stem)
            if a["liveLoadFactor"] is not None:
                self.assertTrue(shows("Live-load factor at collapse", fixed(a["liveLoadFactor"], 3)))
            # The chart only where a position has a factor to plot; otherwise a sentence says why.
            chart = any("Figure 4: Live-load factor against the position" in line for line in lines)
            self.assertEqual(chart, a["worstLiveLoadFactor"] is not None, vro.stem)
            if a["sweep"] and not chart:
                self.assertIn("no chart of the factor is drawn", " ".join(lines), vro.stem)
            self.assertFalse(any("four hinges" in line for line in lines), vro.stem)
        # Without --assess the report has no such section.
        self.assertFalse(any("Safety assessment" in line
                             for line in pdf_text(self.made["ponte-stradale"][2]["pdf"]).splitlines()))

    def test_the_assessments_hypotheses_as_assess_takes_them(self):
        vro = EXAMPLE
        hypotheses = ["--strength", "5", "--friction", "0.6", "--mobilisation", "0.5"]
        a = json.loads(run("assess", vro, "--json", "--sweep", "5", *hypotheses).stdout)
        path = self.out / "hypotheses.txt"
        r = run("report", vro, "--out", path, "--assess", "--sweep", "5", *hypotheses)
        self.assertEqual(r.returncode, 0, r.stderr)
        text = path.read_text(encoding="utf-8")
        self.assertIn(fixed(a["liveLoadFactor"], 3), text)
        self.assertIn("0.600", text)
        r = run("report", vro, "--out", self.out / "bad.txt", "--assess", "--strength", "-1")
        self.assertEqual(r.returncode, 2)
        self.assertIn("--strength", r.stderr)

    def test_bad_requests_and_unwritable_files(self):
        vro = EXAMPLE
        for args, culprit in ((["report", vro], "--out"), (["report", vro, "--out", self.out / "x.doc"], ".pdf"),
                              (["report", vro, "--out", self.out / "x.pdf", "--locale", "fr"], "--locale"),
                              (["report", "--out", self.out / "x.pdf"], "project file")):
            r = run(*args)
            self.assertEqual(r.returncode, 2, args)
            self.assertIn(culprit, r.stderr)
        r = run("report", vro, "--out", "/nonexistent-folder/report.pdf")
        self.assertEqual(r.returncode, 3)
        self.assertRegex(r.stderr, r"voro-cli: cannot write /nonexistent-folder/report.pdf: \S")
        r = run("report", ROOT / "no-such-file.vro", "--out", self.out / "none.pdf")
        self.assertEqual(r.returncode, 3)
        self.assertFalse((self.out / "none.pdf").exists())


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]])
