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
import tempfile
import unittest
import xml.etree.ElementTree as ET

from voro_cli import CliTest, EXAMPLE, EXAMPLES, FAILING, ROOT, SHALLOW, run


def fixed(x, decimals, scale=1):
    """The report's fixed decimals: 15 significant digits, then half away from zero."""
    d = decimal.Decimal(f"{x:.15g}") * decimal.Decimal(scale)
    q = d.quantize(decimal.Decimal(1).scaleb(-decimals), rounding=decimal.ROUND_HALF_UP)
    s = f"{q:.{decimals}f}"
    return s[1:] if re.fullmatch(r"-0\.?0*", s) else s


def single_text(x):
    """An input value as typed: the plain text of the Single, 7 significant digits."""
    return f"{struct.unpack('f', struct.pack('f', x))[0]:.7g}"


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
    return subprocess.run(["pdftotext", "-layout", str(path), "-"], capture_output=True, text=True, check=True).stdout


def text_of(path):
    """What a reader of the file reads: the PDF's text, or the file itself."""
    return pdf_text(path) if path.suffix == ".pdf" else path.read_text(encoding="utf-8")


def html_rows(path):
    root = ET.parse(path).getroot()  # raises on anything that is not well-formed
    return root, [["".join(c.itertext()).strip() for c in tr if c.tag in ("td", "th")] for tr in root.iter("tr")]


def has_row(lines, label, values):
    """A line that holds the label and, after it, the values in order."""
    for line in lines:
        if label in line:
            rest = line.split(label, 1)[1].split()
            if rest[:len(values)] == values or rest[-len(values):] == values:
                return True
    return False


class Report(CliTest):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.out = pathlib.Path(cls.tmp.name)
        cls.made = {}
        for vro in EXAMPLES:
            files = {ext: cls.out / f"{vro.stem}.{ext}" for ext in ("txt", "pdf", "html")}
            for path in files.values():
                r = run("report", vro, "--out", path)
                assert r.returncode == 0, r.stderr
            cls.made[vro.stem] = (vro, json.loads(run("solve", vro, "--json").stdout), files)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_the_title_every_input_value_and_every_result_with_the_digits_of_the_text_report(self):
        version = run("--version").stdout.split()[2]
        for name, (vro, j, files) in self.made.items():
            sections, labelled = expected(j)
            title, values = inputs(vro)
            root, rows = html_rows(files["html"])
            for where, content in (("txt", files["txt"].read_text(encoding="utf-8")), ("pdf", pdf_text(files["pdf"]))):
                self.says(content, title, "Calculation report", "2024-05-01 10:00 UTC")
                self.assertRegex(content, rf"Program:? +Voro {re.escape(version)}\n")
                self.assertLessEqual(set(values), set(content.split()), f"{name}.{where}")
                lines = content.splitlines()
                for row in sections:
                    self.assertIn(row, [line.split() for line in lines], f"{name}.{where}: section {row[0]}")
                for label, figures in labelled:
                    self.assertTrue(has_row(lines, label, figures), f"{name}.{where}: {label} {figures}")
            self.assertLessEqual({title, f"Voro {version}", *values}, {c for r in rows for c in r}, f"{name}.html")
            self.assertEqual(root.find("head/title").text, f"Calculation report - {title}")
            for row in sections:
                self.assertIn(row, rows, f"{name}.html: section {row[0]}")
            for label, figures in labelled:
                self.assertTrue(any(r and r[0] == label and all(v in r for v in figures) for r in rows),
                                f"{name}.html: {label} {figures}")
            # One file, its two drawings inline, nothing fetched from elsewhere.
            self.assertEqual(len([e for e in root.iter() if e.tag.endswith("svg")]), 2, name)
            self.assertNotRegex(files["html"].read_text(encoding="utf-8"), r"(src|href)=\"(?!#)")
            # Who signs, and the project's title block, are blanks to fill in.
            for row in [[role, "Name: Registration: Date:"] for role in ("Engineer", "Checker", "Approver")] + [
                    [field, ""] for field in ("Document number", "Structure", "Location", "Owner", "Client", "Purpose",
                                              "Revision", "Status")]:
                self.assertIn(row, rows)

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
            content = text_of(path)
            self.says(" ".join(content.split()), "No results: Error: Overflow in CalcoloMain", "Steps of the search", "Span")
        path = self.out / "geometry.txt"
        self.fails(1, "", "report", EXAMPLE, "--out", path, "--set", "FrecciaAnello=7")
        content = path.read_text(encoding="utf-8")
        self.says(content, "No voussoir model: Error: Check Geometry", "No results: Error: Check Geometry")
        self.assertRegex(content, r"Rise\s+f\s+7\s+m")

    def test_nothing_that_is_not_a_number(self):
        outputs = [p for _, (_, _, files) in self.made.items() for p in files.values()]
        outputs += list(self.out.glob("failed.*"))
        for path in outputs:
            self.assertNotRegex(text_of(path), r"(?i)\b(nan|inf|infinity)\b", path.name)

    def test_italian_numbers_on_request(self):
        text = self.ok("report", SHALLOW, "--out", "-", "--format", "txt", "--locale", "it")
        self.assertIn(kN(self.json("solve", SHALLOW)["HSinistra"]).replace(".", ","), text)
        self.assertNotRegex(text, r"\d\.\d\d\b")
        self.says(text, "Hl", "Relazione di calcolo", "Reazioni alle imposte")  # the language asked for
        self.assertNotIn("Calculation report", text)

    def test_the_safety_assessment_on_request(self):
        for vro in EXAMPLES:
            a = self.json("assess", vro, "--sweep", "10")
            path = self.out / f"{vro.stem}-assess.pdf"
            self.ok("report", vro, "--out", path, "--assess", "--sweep", "10")
            lines = pdf_text(path).splitlines()
            shown = [("Safety assessment", None), ("Conclusions", None),
                     ("Depth ratio: joint depth to the depth the line needs", fixed(a["geometricSafetyFactor"], 3)),
                     ("Geometric factor of safety (Heyman)", fixed(a["thicknessFactor"], 3)),
                     ("Verdict", "adequate" if a["adequate"] else "not"), ("Least thrust", kN(a["thrustMin"])),
                     ("Thinnest segment at the least thickness", m3(a["minimumThickness"]))]
            if a["liveLoadFactor"] is not None:
                shown.append(("Live-load factor at collapse", fixed(a["liveLoadFactor"], 3)))
            for label, value in shown:
                self.assertTrue(any(label in line and (value is None or value in line.split(label, 1)[1].split())
                                    for line in lines), (vro.stem, label, value))
            # The chart only where a position has a factor to plot; otherwise a sentence says why.
            chart = any("Figure 4: Live-load factor against the position" in line for line in lines)
            self.assertEqual(chart, a["worstLiveLoadFactor"] is not None, vro.stem)
            if a["sweep"] and not chart:
                self.assertIn("no chart of the factor is drawn", " ".join(lines), vro.stem)
            self.assertFalse(any("four hinges" in line for line in lines), vro.stem)
        # Without --assess the report has no such section.
        self.assertNotIn("Safety assessment", pdf_text(self.made["ponte-stradale"][2]["pdf"]))

    def test_the_assessments_hypotheses_as_assess_takes_them(self):
        hypotheses = ["--strength", "5", "--friction", "0.6", "--mobilisation", "0.5", "--sweep", "5"]
        a = self.json("assess", EXAMPLE, *hypotheses)
        text = self.ok("report", EXAMPLE, "--out", "-", "--format", "txt", "--assess", *hypotheses)
        self.says(text, fixed(a["liveLoadFactor"], 3), "0.600")

    def test_unwritable_files_and_missing_projects(self):
        self.assertRegex(self.fails(3, "", "report", EXAMPLE, "--out", "/nonexistent-folder/report.pdf").stderr,
                         r"voro-cli: cannot write /nonexistent-folder/report.pdf: \S")
        self.fails(3, "", "report", ROOT / "no-such-file.vro", "--out", self.out / "none.pdf")
        self.assertFalse((self.out / "none.pdf").exists())


if __name__ == "__main__":
    unittest.main()
