#!/usr/bin/env python3
"""voro-cli plot writes every format for every bundled example; the DXF files
pass the ezdxf audit and open in LibreCAD."""
import pathlib
import shutil
import struct
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

from voro_cli import ENV, EXAMPLES, FAILING, run


def plot(*args):
    return run("plot", *args)


def audit(path):
    import ezdxf
    from ezdxf import recover
    doc, auditor = recover.readfile(str(path))
    result = doc.audit()
    return doc, list(auditor.errors) + list(result.errors) + list(auditor.fixes) + list(result.fixes)


class Plot(unittest.TestCase):
    def setUp(self):
        self.dir = pathlib.Path(tempfile.mkdtemp())

    def tearDown(self):
        shutil.rmtree(self.dir)

    def test_every_format_for_every_example(self):
        for vro in EXAMPLES:
            for mode in ("geometry", "loads", "results"):
                for ext in ("png", "svg", "pdf", "dxf"):
                    out = self.dir / f"{vro.stem}-{mode}.{ext}"
                    r = plot(vro, "--mode", mode, "--out", out, "--view", "discretization,resultants")
                    self.assertEqual(r.returncode, 0, f"{out.name}: {r.stderr}")
                    self.assertGreater(out.stat().st_size, 500, out.name)
                png = (self.dir / f"{vro.stem}-{mode}.png").read_bytes()
                self.assertEqual(struct.unpack(">II", png[16:24]), (1600, 1000))
                svg = (self.dir / f"{vro.stem}-{mode}.svg").read_text()
                ET.fromstring(svg)
                self.assertIn("γ", svg)
                self.assertNotIn("nan", svg.lower().replace("sans", ""))
                doc, problems = audit(self.dir / f"{vro.stem}-{mode}.dxf")
                self.assertEqual(problems, [], vro.name)
                kinds = {e.dxftype() for e in doc.modelspace()}
                self.assertTrue({"POLYLINE", "LINE", "TEXT"} <= kinds, kinds)

    def test_cad_drawing_is_a_dxf_2000_with_text_styles(self):
        out = self.dir / "ponte-cad.dxf"
        r = plot(EXAMPLES[0], "--cad", "--no-open", "--out", out, "--view", "vertical")
        self.assertEqual(r.returncode, 0, r.stderr)
        doc, problems = audit(out)
        self.assertEqual(problems, [])
        self.assertEqual(doc.dxfversion, "AC1015")
        kinds = {e.dxftype() for e in doc.modelspace()}
        self.assertTrue({"LWPOLYLINE", "SOLID", "TEXT", "CIRCLE", "LINE"} <= kinds, kinds)
        styles = {s.dxf.name for s in doc.styles}
        self.assertTrue({"Times", "Symbol"} <= styles, styles)
        texts = [e.dxf.text for e in doc.modelspace() if e.dxftype() == "TEXT"]
        self.assertIn("σ", "".join(texts) + "".join(t.replace("\\U+03C3", "σ") for t in texts))

    def test_librecad_converts_the_dxf(self):
        if not shutil.which("librecad"):
            self.skipTest("LibreCAD not installed")
        dxf = self.dir / "ponte.dxf"
        self.assertEqual(plot(EXAMPLES[0], "--out", dxf).returncode, 0)
        out = self.dir / "pdf"
        out.mkdir()
        subprocess.run(["librecad", "dxf2pdf", "-a", "-t", str(out), str(dxf)], capture_output=True, timeout=120,
                       env=ENV)
        pdf = out / "ponte.pdf"
        self.assertTrue(pdf.exists())
        self.assertTrue(pdf.read_bytes().startswith(b"%PDF"))

    def test_bad_requests(self):
        self.assertEqual(plot(EXAMPLES[0], "--out", self.dir / "x.bmp").returncode, 2)
        self.assertEqual(plot(EXAMPLES[0]).returncode, 2)
        self.assertEqual(plot(EXAMPLES[0], "--out", self.dir / "x.png", "--view", "sideways").returncode, 2)
        self.assertEqual(plot(EXAMPLES[0], "--out", self.dir / "x.png", "--size", "12").returncode, 2)
        r = plot(EXAMPLES[0], "--out", "/nonexistent-folder/x.dxf")
        self.assertEqual(r.returncode, 3)
        self.assertEqual(r.stderr, "voro-cli: cannot write /nonexistent-folder/x.dxf: No such file or directory\n")
        r = plot(FAILING, "--out", self.dir / "f.png")
        self.assertEqual(r.returncode, 1)
        self.assertFalse((self.dir / "f.png").exists())
        r = plot(FAILING, "--mode", "geometry", "--out", self.dir / "g.png")
        self.assertEqual(r.returncode, 0)


if __name__ == "__main__":
    unittest.main()
