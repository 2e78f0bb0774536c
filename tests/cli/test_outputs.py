#!/usr/bin/env python3
"""Every output of voro-cli is complete or not written: on a full disk and in a read-only folder the old file
survives, no temporary file is left, the reason is printed and the exit status is 3. Standard input and output, the
order of the options, a quiet standard error, and every plot's format for every example, its DXF audited."""
import contextlib
import functools
import os
import pathlib
import shutil
import struct
import subprocess
import tempfile
import time
import unittest
import xml.etree.ElementTree as ET

from voro_cli import CLI, ENV, CliTest, EXAMPLE, EXAMPLES, FAILING, run

OUTPUTS = ("plot.png", "plot.svg", "plot.pdf", "plot.dxf", "cad.dxf", "summary.csv", "safety.csv", "safety.png",
           "safety.svg", "safety.pdf", "safety.dxf", "sweep.png", "sweep.svg", "report.pdf", "report.html",
           "report.txt")
# The command and options that write each output, by its file name or, failing that, its stem.
WRITERS = {"summary.csv": ("solve", "--csv"), "cad.dxf": ("plot", "--cad", "--no-open", "--out"),
           "safety.csv": ("assess", "--sweep", "5", "--csv"), "safety": ("assess", "--sweep", "5", "--plot"),
           "sweep": ("assess", "--sweep", "5", "--plot-sweep"), "report": ("report", "--out"), "plot": ("plot", "--out")}
# A project's bytes go to standard input, and a PDF or a PNG comes from standard output, as they are.
raw = functools.partial(run, text=False)


def write(out, limit=None):
    """Writes one output named by its file name; returns the completed process."""
    command, *options = WRITERS.get(out.name) or WRITERS[out.stem]
    return run(command, EXAMPLE, *options, out, limit=limit)


def audit(path):
    from ezdxf import recover
    doc, auditor = recover.readfile(str(path))
    result = doc.audit()
    return doc, list(auditor.errors) + list(result.errors) + list(auditor.fixes) + list(result.fixes)


@contextlib.contextmanager
def tmpfs(options):
    """A small file system of its own, when this user may mount one."""
    d = tempfile.mkdtemp()
    mounted = os.geteuid() == 0 and subprocess.run(["mount", "-t", "tmpfs", "-o", options, "tmpfs", d],
                                                   capture_output=True).returncode == 0
    try:
        yield pathlib.Path(d) if mounted else None
    finally:
        if mounted:
            subprocess.run(["umount", d], check=True)
        shutil.rmtree(d, ignore_errors=True)


class NeverLost(CliTest):
    def old_files(self, folder):
        for name in OUTPUTS:
            (folder / name).write_text(f"old {name}")

    def assertEveryWriteFails(self, folder, reason, limit=None):
        """Every output fails with its reason, the old file whole and no temporary file beside it."""
        for name in OUTPUTS:
            out = folder / name
            r = write(out, limit)
            self.assertEqual((r.returncode, r.stderr), (3, f"voro-cli: cannot write {out}: {reason}\n"), name)
            self.assertEqual(out.read_text(), f"old {name}")
            self.assertFalse([p.name for p in folder.iterdir() if p.name.startswith(".")])

    def test_a_full_disk_or_a_read_only_folder_keeps_the_old_file(self):
        with tmpfs("size=256k") as disk:
            if disk is None:
                # No file system of our own: a file-size limit cuts the write short instead, and a folder is
                # read-only but to the superuser.
                self.old_files(self.dir)
                self.assertEveryWriteFails(self.dir, "File too large", limit=100)
                if os.geteuid() != 0:
                    self.dir.chmod(0o555)
                    self.assertEveryWriteFails(self.dir, "Permission denied")
                return
            self.old_files(disk)
            with contextlib.suppress(OSError), open(disk / "filler", "wb") as f:
                while True:
                    f.write(b"\0" * 4096)
                    f.flush()
            self.assertEveryWriteFails(disk, "No space left on device")
            subprocess.run(["mount", "-o", "remount,ro", str(disk)], check=True)
            self.assertEveryWriteFails(disk, "Read-only file system")

    def test_a_complete_write_replaces_the_old_file_and_keeps_its_permissions(self):
        for name in OUTPUTS:
            out = self.dir / name
            out.write_text(f"old {name}")
            out.chmod(0o640)
            r = write(out)
            self.assertEqual((r.returncode, r.stderr), (0, ""), name)
            self.assertGreater(out.stat().st_size, 300, name)
            self.assertEqual(out.stat().st_mode & 0o777, 0o640, name)
        self.assertEqual(sorted(p.name for p in self.dir.iterdir()), sorted(OUTPUTS))
        # The safety plot, the one not drawn for every example below, draws the collapse line and passes the audit.
        self.assertIn("Collapse thrust line", (self.dir / "safety.svg").read_text())
        self.assertEqual(audit(self.dir / "safety.dxf")[1], [])

    def test_full_standard_output_is_not_success(self):
        with open("/dev/full", "wb") as full:
            # Each place that writes there: the results and their table, a plot, a report, the helps, the vehicles.
            for args in (("solve", EXAMPLE), ("solve", EXAMPLE, "--csv", "-"), ("assess", EXAMPLE, "--sweep", "5"),
                         ("assess", EXAMPLE, "--sweep", "5", "--csv", "-"), ("--help",), ("help", "plot"), ("vehicles",),
                         ("plot", EXAMPLE, "--out", "-", "--format", "svg"),
                         ("report", EXAMPLE, "--out", "-", "--format", "pdf")):
                r = run(*args, stdout=full)
                self.assertEqual((r.returncode, r.stderr),
                                 (3, "voro-cli: cannot write standard output: No space left on device\n"), args)


class Conventions(CliTest):
    def test_standard_input_and_output(self):
        """A project read from '-' gives what its file gives; '-' as an output writes to standard output."""
        data = EXAMPLE.read_bytes()
        for command, *options in (("solve", "--json"), ("assess", "--json", "--sweep", "4")):
            self.assertEqual(raw(command, "-", *options, input=data).stdout, raw(command, EXAMPLE, *options).stdout)
        for command, *options, said in (("solve", b"File:    standard input\n"),
                                        ("assess", "--sweep", "0", b"File:    standard input\n"),
                                        ("report", "--out", "-", "--format", "html", b"standard input")):
            self.assertIn(said, raw(command, "-", *options, input=data).stdout, command)
        r = raw("solve", "-", input=data[:40])
        self.assertEqual(r.returncode, 3)
        self.assertIn(b"cannot read standard input: ", r.stderr)
        for args, start in ((("plot", "--format", "svg", "--mode", "geometry"), b"<?xml"),
                            (("report", "--format", "html"), b"<!doctype html"), (("report", "--format", "pdf"), b"%PDF")):
            r = raw(args[0], "-", "--out", "-", *args[1:], input=data)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertTrue(r.stdout.lstrip().lower().startswith(start.lower()), args)
        self.ok("report", EXAMPLE, "--out", self.dir / "report.txt")
        self.assertEqual(self.report(EXAMPLE), (self.dir / "report.txt").read_text())
        self.ok("plot", EXAMPLE, "--out", self.dir / "plot.image", "--format", "png")
        self.assertTrue((self.dir / "plot.image").read_bytes().startswith(b"\x89PNG"))  # --format over the file's name

    def test_binary_files_are_not_for_the_terminal(self):
        if not shutil.which("script"):
            self.skipTest("no script(1) to stand for a terminal")
        for command, message in ((f"report {EXAMPLE} --out - --format pdf", b"a PDF report is not for the terminal"),
                                 (f"plot {EXAMPLE} --out - --format png", b"a PNG plot is not for the terminal")):
            r = subprocess.run(["script", "-qec", f"{CLI} {command}", "/dev/null"], capture_output=True, timeout=120,
                               env=ENV)
            self.assertEqual(r.returncode, 2)
            self.assertIn(message, r.stdout)

    def test_options_before_between_and_after_the_files(self):
        expected = run("solve", EXAMPLE, "--json", "--set", "nDivisioni=4").stdout
        for args in (("--json", "--set", "nDivisioni=4", EXAMPLE), ("--set=nDivisioni=4", EXAMPLE, "--json"),
                     ("--json", "--set=nDivisioni=4", "--", EXAMPLE)):
            r = run("solve", *args)
            self.assertEqual((r.returncode, r.stdout), (0, expected), args)

    def test_control_characters_of_a_title_do_not_reach_the_terminal(self):
        r = raw("solve", "-", input=b'"\x1b[31mRed\x07 title\x81"\r\n' + EXAMPLE.read_bytes().split(b"\r\n", 1)[1])
        self.assertEqual(r.returncode, 0)
        self.assertIn("Project: ^[[31mRed^G title\\u0081\n", r.stdout.decode())
        self.assertNotIn(b"\x1b", r.stdout)

    def test_plots_without_display_say_nothing_on_standard_error(self):
        # A temporary folder of their own: other programs drawing at the same
        # time leave theirs in the shared one while they run.
        tmp = self.dir / "tmp"
        tmp.mkdir()
        env = {**ENV, "TMPDIR": str(tmp)}
        for ext in ("png", "svg", "pdf", "dxf"):
            r = run("plot", EXAMPLE, "--out", self.dir / f"plot.{ext}", env=env)
            self.assertEqual((r.returncode, r.stderr), (0, ""), ext)
        # A display that is not there, and a session asking for X: still drawn offscreen.
        r = run("plot", EXAMPLE, "--out", self.dir / "x.png", env={**env, "DISPLAY": ":79", "QT_QPA_PLATFORM": "xcb"})
        self.assertEqual((r.returncode, r.stderr), (0, ""))
        self.assertFalse([n for n in os.listdir(tmp) if n.startswith("voro-cli")])

    def test_cad_drawing_opens_with_the_desktops_program(self):
        d = self.dir
        (d / "xdg-open").write_text(f"#!/bin/sh\necho \"$@\" > {d}/opened\n")
        (d / "xdg-open").chmod(0o755)
        env = {**ENV, "PATH": f"{d}:{ENV['PATH']}", "DISPLAY": ":7"}
        r = run("plot", EXAMPLE, "--cad", "--out", d / "cad.dxf", env=env)
        self.assertEqual((r.returncode, r.stderr, r.stdout), (0, "", f"CAD drawing saved in {d / 'cad.dxf'}\n"))
        for _ in range(100):  # the desktop's program starts on its own
            if (d / "opened").exists() and (d / "opened").read_text():
                break
            time.sleep(0.05)
        self.assertEqual((d / "opened").read_text(), f"{d / 'cad.dxf'}\n")
        # Without a display nothing can show it: the drawing is saved and the user told where.
        r = run("plot", EXAMPLE, "--cad", "--out", d / "cad2.dxf", env={**env, "DISPLAY": ""})
        self.assertEqual(r.returncode, 0)
        self.assertIn(f"The drawing has been saved in {d / 'cad2.dxf'}", r.stderr)


class Plot(CliTest):
    """Every format for every bundled example; the DXF files pass the ezdxf audit and open in LibreCAD."""

    def test_every_format_for_every_example(self):
        for vro in EXAMPLES:
            for mode in ("geometry", "loads", "results"):
                for ext in ("png", "svg", "pdf", "dxf"):
                    out = self.dir / f"{vro.stem}-{mode}.{ext}"
                    self.ok("plot", vro, "--mode", mode, "--out", out, "--view", "discretization,resultants")
                    self.assertGreater(out.stat().st_size, 500, out.name)
                png = (self.dir / f"{vro.stem}-{mode}.png").read_bytes()[16:24]
                self.assertEqual(struct.unpack(">II", png), (1600, 1000))  # the size in its header
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
        self.ok("plot", EXAMPLES[0], "--cad", "--no-open", "--out", out, "--view", "vertical")
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
        self.ok("plot", EXAMPLES[0], "--out", self.dir / "ponte.dxf")
        subprocess.run(["librecad", "dxf2pdf", "-a", "-t", str(self.dir), str(self.dir / "ponte.dxf")],
                       capture_output=True, timeout=120, env={**ENV, "QT_QPA_PLATFORM": "offscreen"})
        self.assertTrue((self.dir / "ponte.pdf").read_bytes().startswith(b"%PDF"))

    def test_a_failed_calculation_plots_its_geometry_only(self):
        self.fails(1, "", "plot", FAILING, "--out", self.dir / "f.png")
        self.assertFalse((self.dir / "f.png").exists())
        self.ok("plot", FAILING, "--mode", "geometry", "--out", self.dir / "g.png")  # its geometry draws


if __name__ == "__main__":
    unittest.main()
