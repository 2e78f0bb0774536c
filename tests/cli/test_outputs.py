#!/usr/bin/env python3
"""Every output of voro-cli is complete or not written: on a full disk, in a
read-only folder and at a folder's name the old file survives, no temporary
file is left, the reason is printed and the exit status is 3. Standard input
and output, the conventions of the options, and a quiet standard error."""
import contextlib
import os
import pathlib
import resource
import shutil
import signal
import subprocess
import tempfile
import unittest

from voro_cli import CLI, EXAMPLE
OUTPUTS = ("plot.png", "plot.svg", "plot.pdf", "plot.dxf", "cad.dxf", "summary.csv", "safety.csv", "safety.png",
           "safety.svg", "safety.pdf", "safety.dxf", "sweep.png", "sweep.svg", "report.pdf", "report.html",
           "report.txt")
ENV = {k: v for k, v in os.environ.items() if k not in ("XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY")}


def run(*args, limit=None, **kw):
    def limited():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    if "stdout" not in kw:
        kw["capture_output"] = True
    return subprocess.run([CLI, *map(str, args)], timeout=120, env=kw.pop("env", ENV),
                          preexec_fn=limited if limit else None, **kw)


# The command and options that write each output, by its file name or, failing that, its stem.
WRITERS = {"summary.csv": ("solve", "--csv"), "cad.dxf": ("plot", "--cad", "--no-open", "--out"),
           "safety.csv": ("assess", "--sweep", "5", "--csv"), "safety": ("assess", "--sweep", "5", "--plot"),
           "sweep": ("assess", "--sweep", "5", "--plot-sweep"), "report": ("report", "--out"), "plot": ("plot", "--out")}


def write(out, limit=None):
    """Writes one output named by its file name; returns the completed process."""
    command, *options = WRITERS.get(out.name) or WRITERS[out.stem]
    return run(command, EXAMPLE, *options, out, limit=limit)


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

    def assertFailedCleanly(self, r, folder, out, reason):
        self.assertEqual(r.returncode, 3, (out.name, r.stderr))
        self.assertEqual(r.stderr.decode(), f"voro-cli: cannot write {out}: {reason}\n")
        self.assertEqual(out.read_text(), f"old {out.name}")
        self.assertEqual(sorted(p.name for p in folder.iterdir()),
                         sorted(p.name for p in folder.iterdir() if not p.name.startswith(".")))

    def test_full_disk_keeps_the_old_file(self):
        with tmpfs("size=256k") as disk:
            if disk is None:
                # No file system of our own: a file-size limit cuts the write short instead.
                disk, limit, reason = self.dir, 100, "File too large"
            else:
                limit, reason = None, "No space left on device"
            for name in OUTPUTS:
                (disk / name).write_text(f"old {name}")
            if limit is None:
                with contextlib.suppress(OSError), open(disk / "filler", "wb") as f:
                    while True:
                        f.write(b"\0" * 4096)
                        f.flush()
            for name in OUTPUTS:
                self.assertFailedCleanly(write(disk / name, limit), disk, disk / name, reason)

    def test_read_only_folder_is_a_write_error_with_its_reason(self):
        with tmpfs("size=64k") as disk:
            if disk is not None:
                folder = disk
                for name in OUTPUTS:
                    (folder / name).write_text(f"old {name}")
                subprocess.run(["mount", "-o", "remount,ro", str(disk)], check=True)
                reason = "Read-only file system"
            elif os.geteuid() != 0:
                folder = self.dir / "ro"
                folder.mkdir()
                for name in OUTPUTS:
                    (folder / name).write_text(f"old {name}")
                folder.chmod(0o555)
                reason = "Permission denied"
            else:
                self.skipTest("root without a file system of its own")
            for name in OUTPUTS:
                self.assertFailedCleanly(write(folder / name), folder, folder / name, reason)

    def test_a_folder_is_not_an_output(self):
        for name in OUTPUTS:
            out = self.dir / name
            out.mkdir()
            r = write(out)
            self.assertEqual(r.returncode, 3, name)
            self.assertEqual(r.stderr.decode(), f"voro-cli: cannot write {out}: Is a directory\n")
        self.assertEqual(sorted(p.name for p in self.dir.iterdir()), sorted(OUTPUTS))

    def test_a_complete_write_replaces_the_old_file_and_keeps_its_permissions(self):
        for name in OUTPUTS:
            out = self.dir / name
            out.write_text(f"old {name}")
            out.chmod(0o640)
            r = write(out)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertEqual(r.stderr, b"")
            self.assertGreater(out.stat().st_size, 300, name)
            self.assertEqual(out.stat().st_mode & 0o777, 0o640, name)
        self.assertEqual(sorted(p.name for p in self.dir.iterdir()), sorted(OUTPUTS))

    def test_full_standard_output_is_not_success(self):
        with open("/dev/full", "wb") as full:
            for args in (("solve", EXAMPLE), ("solve", EXAMPLE, "--json"), ("solve", EXAMPLE, "--csv", "-"),
                         ("plot", EXAMPLE, "--out", "-", "--format", "svg"), ("--help",), ("help", "plot"),
                         ("assess", EXAMPLE, "--sweep", "5"), ("assess", EXAMPLE, "--sweep", "5", "--json"),
                         ("assess", EXAMPLE, "--sweep", "5", "--csv", "-"), ("help", "assess"),
                         ("report", EXAMPLE, "--out", "-", "--format", "txt"),
                         ("report", EXAMPLE, "--out", "-", "--format", "pdf")):
                r = run(*args, stdout=full, stderr=subprocess.PIPE)
                self.assertEqual(r.returncode, 3, args)
                self.assertEqual(r.stderr, b"voro-cli: cannot write standard output: No space left on device\n")


class Conventions(unittest.TestCase):
    def assertUsageErrors(self, command, cases):
        """Each set of options of the command on the example is a usage error with its message."""
        for args, message in cases:
            r = run(command, EXAMPLE, *args)
            self.assertEqual(r.returncode, 2, args)
            self.assertIn(message, r.stderr.decode())

    def assertNotForTerminal(self, command, message):
        """A binary file is not sent to standard output when that is a terminal."""
        if shutil.which("script"):
            r = subprocess.run(["script", "-qec", f"{CLI} {command}", "/dev/null"],
                               capture_output=True, timeout=120, env=ENV)
            self.assertEqual(r.returncode, 2)
            self.assertIn(message, r.stdout)

    def test_project_from_standard_input(self):
        data = EXAMPLE.read_bytes()
        from_file = run("solve", EXAMPLE, "--json").stdout
        self.assertEqual(run("solve", "-", "--json", input=data).stdout, from_file)
        report = run("solve", "-", input=data).stdout.decode()
        self.assertIn("File:    standard input\n", report)
        svg = run("plot", "-", "--out", "-", "--format", "svg", "--mode", "geometry", input=data)
        self.assertEqual(svg.returncode, 0, svg.stderr)
        self.assertTrue(svg.stdout.startswith(b"<?xml"))
        r = run("solve", "-", "-", input=data)
        self.assertEqual(r.returncode, 2)
        self.assertIn(b"standard input ('-') can be read only once", r.stderr)
        r = run("solve", "-", input=data[:40])
        self.assertEqual(r.returncode, 3)
        self.assertIn(b"cannot read standard input: ", r.stderr)
        r = run("plot", "-", "--cad", input=data)
        self.assertEqual(r.returncode, 2)
        self.assertIn(b"needs --out DRAWING.dxf", r.stderr)

    def test_summary_on_standard_output(self):
        r = run("solve", EXAMPLE, "--csv", "-")
        self.assertEqual(r.returncode, 0)
        lines = r.stdout.decode().splitlines()
        self.assertEqual(len(lines), 2)
        self.assertTrue(lines[0].startswith("file,status,"))
        self.assertEqual(run("solve", EXAMPLE, "--csv", "-", "--json").returncode, 2)
        r = run("assess", EXAMPLE, "--sweep", "3", "--csv", "-")
        self.assertEqual(r.returncode, 0, r.stderr)
        lines = r.stdout.decode().splitlines()
        self.assertEqual(len(lines), 2)
        self.assertTrue(lines[0].startswith("file,status,adequate,adequacyFactor,combination,admissible,"))
        self.assertEqual(run("assess", EXAMPLE, "--csv", "-", "--json").returncode, 2)

    def test_assessment_and_report_from_standard_input_to_standard_output(self):
        data = EXAMPLE.read_bytes()
        from_file = run("assess", EXAMPLE, "--json", "--sweep", "4").stdout
        self.assertEqual(run("assess", "-", "--json", "--sweep", "4", input=data).stdout, from_file)
        self.assertIn("File:    standard input\n", run("assess", "-", "--sweep", "0", input=data).stdout.decode())
        self.assertEqual(run("assess", "-", "-", input=data).returncode, 2)
        with tempfile.TemporaryDirectory() as d:
            report = pathlib.Path(d) / "report.txt"
            self.assertEqual(run("report", EXAMPLE, "--out", report).returncode, 0)
            r = run("report", EXAMPLE, "--out", "-", "--format", "txt")
            self.assertEqual((r.returncode, r.stdout), (0, report.read_bytes()))
        r = run("report", "-", "--out", "-", "--format", "html", input=data)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn(b"standard input", r.stdout)
        self.assertTrue(r.stdout.lstrip().lower().startswith(b"<!doctype html"))
        r = run("report", "-", "--out", "-", "--format", "pdf", input=data)
        self.assertTrue(r.stdout.startswith(b"%PDF"))
        self.assertUsageErrors("report", ((("--out", "-"), "--out - needs --format"),
                                          (("--out", "x.doc"), "--out must end in .pdf, .html or .txt"),
                                          (("--out", "x.pdf", "--format", "odt"), "--format is pdf, html or txt")))
        self.assertUsageErrors("assess", ((("--plot", "-"), "--plot must end in .svg, .png, .pdf or .dxf"),
                                          (("--plot-sweep", "x.pdf"), "--plot-sweep must end in .svg or .png"),
                                          (("--sweep", "1e3"), "--sweep needs a whole number")))
        self.assertNotForTerminal(f"report {EXAMPLE} --out - --format pdf", b"a PDF report is not for the terminal")

    def test_options_before_between_and_after_the_files(self):
        expected = run("solve", EXAMPLE, "--json", "--set", "nDivisioni=4").stdout
        for args in (("--json", "--set", "nDivisioni=4", EXAMPLE), ("--set=nDivisioni=4", EXAMPLE, "--json"),
                     ("--json", "--set=nDivisioni=4", "--", EXAMPLE)):
            r = run("solve", *args)
            self.assertEqual((r.returncode, r.stdout), (0, expected), args)
        for args, message in ((("--json=yes", EXAMPLE), "option '--json' takes no value"),
                              ((EXAMPLE, "--csv"), "option '--csv' needs a value (FILE.csv)"),
                              ((EXAMPLE, "-x"), "unknown option '-x'"),
                              (("--", "--json"), "cannot read --json")):
            r = run("solve", *args)
            self.assertIn(message, r.stderr.decode(), args)

    def test_plot_format_and_terminal(self):
        with tempfile.TemporaryDirectory() as d:
            out = pathlib.Path(d) / "plot.image"
            r = run("plot", EXAMPLE, "--out", out, "--format", "png", "--mode", "geometry")
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertTrue(out.read_bytes().startswith(b"\x89PNG"))
        self.assertUsageErrors("plot", ((("--out", "-"), "--out - needs --format"),
                                        (("--out", "x.bmp"), "--out must end in .svg, .png, .pdf or .dxf"),
                                        (("--out", "x.png", "--format", "bmp"), "--format is svg, png, pdf or dxf"),
                                        (("--out", "x.png", "--size", "12x"), "--size needs WIDTHxHEIGHT")))
        self.assertNotForTerminal(f"plot {EXAMPLE} --out - --format png", b"a PNG plot is not for the terminal")

    def test_control_characters_of_a_title_do_not_reach_the_terminal(self):
        lines = EXAMPLE.read_bytes().split(b"\r\n", 1)
        with tempfile.NamedTemporaryFile("wb", suffix=".vro", delete=False) as f:
            f.write(b'"\x1b[31mRed\x07 title\x81"\r\n' + lines[1])
        try:
            r = run("solve", f.name)
        finally:
            os.unlink(f.name)
        self.assertEqual(r.returncode, 0)
        self.assertIn("Project: ^[[31mRed^G title\\u0081\n", r.stdout.decode())
        self.assertNotIn(b"\x1b", r.stdout)

    def test_plots_without_display_say_nothing_on_standard_error(self):
        # A temporary folder of their own: other programs drawing at the same
        # time leave theirs in the shared one while they run.
        with tempfile.TemporaryDirectory() as d, tempfile.TemporaryDirectory() as tmp:
            env = {**ENV, "TMPDIR": tmp}
            for ext in ("png", "svg", "pdf", "dxf"):
                r = run("plot", EXAMPLE, "--out", pathlib.Path(d) / f"plot.{ext}", env=env)
                self.assertEqual((r.returncode, r.stderr), (0, b""), ext)
            # A display that is not there, and a session asking for X: still drawn offscreen.
            r = run("plot", EXAMPLE, "--out", pathlib.Path(d) / "x.png",
                    env={**env, "DISPLAY": ":79", "QT_QPA_PLATFORM": "xcb"})
            self.assertEqual((r.returncode, r.stderr), (0, b""))
            self.assertFalse([n for n in os.listdir(tmp) if n.startswith("voro-cli")])

    def test_cad_drawing_opens_with_the_desktops_program(self):
        with tempfile.TemporaryDirectory() as d:
            folder = pathlib.Path(d)
            opener = folder / "xdg-open"
            opener.write_text(f"#!/bin/sh\necho \"$@\" > {folder}/opened\n")
            opener.chmod(0o755)
            env = {**ENV, "PATH": f"{folder}:{ENV['PATH']}", "DISPLAY": ":7"}
            r = run("plot", EXAMPLE, "--cad", "--out", folder / "cad.dxf", env=env)
            self.assertEqual((r.returncode, r.stderr), (0, b""))
            self.assertEqual(r.stdout.decode(), f"CAD drawing saved in {folder / 'cad.dxf'}\n")
            for _ in range(100):
                if (folder / "opened").exists() and (folder / "opened").read_text():
                    break
                subprocess.run(["sleep", "0.05"])
            self.assertEqual((folder / "opened").read_text(), f"{folder / 'cad.dxf'}\n")
            # Without a display nothing can show it: the drawing is saved and the user told where.
            r = run("plot", EXAMPLE, "--cad", "--out", folder / "cad2.dxf", env={**env, "DISPLAY": ""})
            self.assertEqual(r.returncode, 0)
            self.assertIn(f"The drawing has been saved in {folder / 'cad2.dxf'}", r.stderr.decode())


if __name__ == "__main__":
    unittest.main()
