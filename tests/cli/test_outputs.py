#!/usr/bin/env python3
"""Every output of voro-cli is complete or not written: on a full disk, in a
read-only folder and at a folder's name the old file survives, no temporary
file is left, the reason is printed and the exit status is 3. Standard input
and output, the order of the options, a quiet standard error, and every
plot's format for every example, its DXF audited."""
import contextlib
import os
import pathlib
import resource
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import unittest
import xml.etree.ElementTree as ET

import voro_cli
from voro_cli import CLI, CliTest, EXAMPLE, EXAMPLES, FAILING, folder

OUTPUTS = ("plot.png", "plot.svg", "plot.pdf", "plot.dxf", "cad.dxf", "summary.csv", "safety.csv", "safety.png",
           "safety.svg", "safety.pdf", "safety.dxf", "sweep.png", "sweep.svg", "report.pdf", "report.html",
           "report.txt")
# Without a display and without the offscreen platform asked for: as a user's script runs it.
ENV = {k: v for k, v in os.environ.items() if k not in ("XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY")}
# The command and options that write each output, by its file name or, failing that, its stem.
WRITERS = {"summary.csv": ("solve", "--csv"), "cad.dxf": ("plot", "--cad", "--no-open", "--out"),
           "safety.csv": ("assess", "--sweep", "5", "--csv"), "safety": ("assess", "--sweep", "5", "--plot"),
           "sweep": ("assess", "--sweep", "5", "--plot-sweep"), "report": ("report", "--out"), "plot": ("plot", "--out")}


def run(*args, limit=None, env=ENV, **kw):
    """voro-cli with its output as bytes, under a file-size limit if given."""
    def limited():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    if "stdout" not in kw:
        kw["capture_output"] = True
    return subprocess.run([CLI, *map(str, args)], timeout=120, env=env, preexec_fn=limited if limit else None, **kw)


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


class NeverLost(unittest.TestCase):
    def setUp(self):
        self.dir = pathlib.Path(tempfile.mkdtemp())

    def tearDown(self):
        for p in self.dir.rglob("*"):
            with contextlib.suppress(OSError):
                p.chmod(0o755)
        shutil.rmtree(self.dir)

    def old_files(self, folder):
        for name in OUTPUTS:
            (folder / name).write_text(f"old {name}")

    def assertEveryWriteFails(self, folder, reason, limit=None):
        """Every output fails with its reason, the old file whole and no temporary file beside it."""
        for name in OUTPUTS:
            out = folder / name
            r = write(out, limit)
            self.assertEqual(r.returncode, 3, (name, r.stderr))
            self.assertEqual(r.stderr.decode(), f"voro-cli: cannot write {out}: {reason}\n")
            self.assertEqual(out.read_text(), f"old {name}")
            self.assertFalse([p.name for p in folder.iterdir() if p.name.startswith(".")])

    def test_full_disk_keeps_the_old_file(self):
        with tmpfs("size=256k") as disk:
            if disk is None:
                # No file system of our own: a file-size limit cuts the write short instead.
                self.old_files(self.dir)
                self.assertEveryWriteFails(self.dir, "File too large", limit=100)
                return
            self.old_files(disk)
            with contextlib.suppress(OSError), open(disk / "filler", "wb") as f:
                while True:
                    f.write(b"\0" * 4096)
                    f.flush()
            self.assertEveryWriteFails(disk, "No space left on device")

    def test_read_only_folder_is_a_write_error_with_its_reason(self):
        with tmpfs("size=64k") as disk:
            if disk is not None:
                self.old_files(disk)
                subprocess.run(["mount", "-o", "remount,ro", str(disk)], check=True)
                self.assertEveryWriteFails(disk, "Read-only file system")
            elif os.geteuid() != 0:
                ro = self.dir / "ro"
                ro.mkdir()
                self.old_files(ro)
                ro.chmod(0o555)
                self.assertEveryWriteFails(ro, "Permission denied")
            else:
                self.skipTest("root without a file system of its own")

    def test_a_complete_write_replaces_the_old_file_and_keeps_its_permissions_and_a_folder_is_no_output(self):
        (self.dir / "folders").mkdir()
        for name in OUTPUTS:
            out, folder = self.dir / name, self.dir / "folders" / name
            folder.mkdir()
            r = write(folder)
            self.assertEqual((r.returncode, r.stderr.decode()), (3, f"voro-cli: cannot write {folder}: Is a directory\n"))
            out.write_text(f"old {name}")
            out.chmod(0o640)
            r = write(out)
            self.assertEqual((r.returncode, r.stderr), (0, b""), name)
            self.assertGreater(out.stat().st_size, 300, name)
            self.assertEqual(out.stat().st_mode & 0o777, 0o640, name)
        self.assertEqual(sorted(p.name for p in self.dir.iterdir()), sorted(OUTPUTS + ("folders",)))
        self.assertEqual(sorted(p.name for p in (self.dir / "folders").iterdir()), sorted(OUTPUTS))

    def test_full_standard_output_is_not_success(self):
        with open("/dev/full", "wb") as full:
            for args in (("solve", EXAMPLE), ("solve", EXAMPLE, "--json"), ("solve", EXAMPLE, "--csv", "-"),
                         ("plot", EXAMPLE, "--out", "-", "--format", "svg"), ("--help",), ("help", "plot"),
                         ("assess", EXAMPLE, "--sweep", "5"), ("assess", EXAMPLE, "--sweep", "5", "--json"),
                         ("assess", EXAMPLE, "--sweep", "5", "--csv", "-"), ("help", "assess"),
                         ("report", EXAMPLE, "--out", "-", "--format", "txt"),
                         ("report", EXAMPLE, "--out", "-", "--format", "pdf")):
                r = run(*args, stdout=full, stderr=subprocess.PIPE)
                self.assertEqual((r.returncode, r.stderr),
                                 (3, b"voro-cli: cannot write standard output: No space left on device\n"), args)


class Conventions(unittest.TestCase):
    def test_standard_input_and_output(self):
        """A project read from '-' gives what its file gives; '-' as an output writes to standard output."""
        data = EXAMPLE.read_bytes()
        for command, *options in (("solve", "--json"), ("assess", "--json", "--sweep", "4")):
            self.assertEqual(run(command, "-", *options, input=data).stdout, run(command, EXAMPLE, *options).stdout)
        for command, *options, said in (("solve", b"File:    standard input\n"),
                                        ("assess", "--sweep", "0", b"File:    standard input\n"),
                                        ("report", "--out", "-", "--format", "html", b"standard input")):
            self.assertIn(said, run(command, "-", *options, input=data).stdout, command)
        r = run("solve", "-", input=data[:40])
        self.assertEqual(r.returncode, 3)
        self.assertIn(b"cannot read standard input: ", r.stderr)
        for args, start in ((("plot", "--format", "svg", "--mode", "geometry"), b"<?xml"),
                            (("report", "--format", "html"), b"<!doctype html"), (("report", "--format", "pdf"), b"%PDF")):
            r = run(args[0], "-", "--out", "-", *args[1:], input=data)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertTrue(r.stdout.lstrip().lower().startswith(start.lower()), args)
        with folder() as d:
            self.assertEqual(run("report", EXAMPLE, "--out", d / "report.txt").returncode, 0)
            self.assertEqual(run("report", EXAMPLE, "--out", "-", "--format", "txt").stdout, (d / "report.txt").read_bytes())
            self.assertEqual(run("plot", EXAMPLE, "--out", d / "plot.image", "--format", "png").returncode, 0)
            self.assertTrue((d / "plot.image").read_bytes().startswith(b"\x89PNG"))  # --format over the file's name

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
        r = run("solve", "-", input=b'"\x1b[31mRed\x07 title\x81"\r\n' + EXAMPLE.read_bytes().split(b"\r\n", 1)[1])
        self.assertEqual(r.returncode, 0)
        self.assertIn("Project: ^[[31mRed^G title\\u0081\n", r.stdout.decode())
        self.assertNotIn(b"\x1b", r.stdout)

    def test_plots_without_display_say_nothing_on_standard_error(self):
        # A temporary folder of their own: other programs drawing at the same
        # time leave theirs in the shared one while they run.
        with folder() as d, folder() as tmp:
            env = {**ENV, "TMPDIR": str(tmp)}
            for ext in ("png", "svg", "pdf", "dxf"):
                r = run("plot", EXAMPLE, "--out", d / f"plot.{ext}", env=env)
                self.assertEqual((r.returncode, r.stderr), (0, b""), ext)
            # A display that is not there, and a session asking for X: still drawn offscreen.
            r = run("plot", EXAMPLE, "--out", d / "x.png", env={**env, "DISPLAY": ":79", "QT_QPA_PLATFORM": "xcb"})
            self.assertEqual((r.returncode, r.stderr), (0, b""))
            self.assertFalse([n for n in os.listdir(tmp) if n.startswith("voro-cli")])

    def test_cad_drawing_opens_with_the_desktops_program(self):
        with folder() as d:
            opener = d / "xdg-open"
            opener.write_text(f"#!/bin/sh\necho \"$@\" > {d}/opened\n")
            opener.chmod(0o755)
            env = {**ENV, "PATH": f"{d}:{ENV['PATH']}", "DISPLAY": ":7"}
            r = run("plot", EXAMPLE, "--cad", "--out", d / "cad.dxf", env=env)
            self.assertEqual((r.returncode, r.stderr, r.stdout.decode()),
                             (0, b"", f"CAD drawing saved in {d / 'cad.dxf'}\n"))
            for _ in range(100):  # the desktop's program starts on its own
                if (d / "opened").exists() and (d / "opened").read_text():
                    break
                time.sleep(0.05)
            self.assertEqual((d / "opened").read_text(), f"{d / 'cad.dxf'}\n")
            # Without a display nothing can show it: the drawing is saved and the user told where.
            r = run("plot", EXAMPLE, "--cad", "--out", d / "cad2.dxf", env={**env, "DISPLAY": ""})
            self.assertEqual(r.returncode, 0)
            self.assertIn(f"The drawing has been saved in {d / 'cad2.dxf'}", r.stderr.decode())


class Plot(CliTest):
    """Every format for every bundled example; the DXF files pass the ezdxf audit and open in LibreCAD."""

    def setUp(self):
        self.dir = pathlib.Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.dir)

    def test_every_format_for_every_example(self):
        for vro in EXAMPLES:
            for mode in ("geometry", "loads", "results"):
                for ext in ("png", "svg", "pdf", "dxf"):
                    out = self.dir / f"{vro.stem}-{mode}.{ext}"
                    self.ok("plot", vro, "--mode", mode, "--out", out, "--view", "discretization,resultants")
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
                       capture_output=True, timeout=120, env=voro_cli.ENV)
        self.assertTrue((self.dir / "ponte.pdf").read_bytes().startswith(b"%PDF"))

    def test_a_failed_calculation_plots_its_geometry_only(self):
        self.fails(1, "", "plot", FAILING, "--out", self.dir / "f.png")
        self.assertFalse((self.dir / "f.png").exists())
        self.ok("plot", FAILING, "--mode", "geometry", "--out", self.dir / "g.png")  # its geometry draws


if __name__ == "__main__":
    unittest.main()
