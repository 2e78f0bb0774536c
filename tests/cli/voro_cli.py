"""What the tests of voro-cli share: the program under test, given as the first argument, the bundled
examples, one run of the program as a user's shell would make it, and the checks every test makes of a run."""
import csv
import io
import json
import os
import pathlib
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

CLI = sys.argv.pop(1)
ROOT = pathlib.Path(__file__).resolve().parents[2]
EXAMPLES = sorted((ROOT / "examples").glob("*.vro"))
EXAMPLE = ROOT / "examples" / "ponte-stradale.vro"
SHALLOW = ROOT / "examples" / "arco-ribassato-spinta.vro"
SEMICIRCLE = ROOT / "examples" / "volta-semicircolare.vro"
FAILING = ROOT / "tests" / "cli" / "reference" / "f02_ndivisioni_zero.vro"
# As a user's script runs it: no display and no platform asked for; a user folder of its own (no vehicles of the
# user's); reports dated by a fixed epoch.
CONFIG = pathlib.Path(tempfile.mkdtemp())
ENV = {**{k: v for k, v in os.environ.items() if k not in ("XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY")},
       "XDG_CONFIG_HOME": str(CONFIG), "SOURCE_DATE_EPOCH": "1714557600"}


def run(*args, env=ENV, text=True, limit=None, **kw):
    """voro-cli with the arguments; its standard output (unless redirected) and error as text or bytes, under a
    file-size limit if given."""
    def limited():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    kw.setdefault("stdout", subprocess.PIPE)
    return subprocess.run([CLI, *map(str, args)], stderr=subprocess.PIPE, text=text, timeout=300, env=env,
                          preexec_fn=limited if limit else None, **kw)


def rows(text):
    """The rows of a CSV summary."""
    return list(csv.DictReader(io.StringIO(text)))


def interrupt(*args, ready=None, after=0.0):
    """Presses Ctrl+C on voro-cli once it has written the line `ready` to standard error, or after some seconds;
    returns the exit status, standard output and standard error, and checks that it stopped promptly."""
    p = subprocess.Popen([CLI, *map(str, args)], stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=ENV)
    first = p.stderr.readline().decode() if ready else ""
    assert ready is None or ready in first, first
    time.sleep(after)
    pressed = time.monotonic()
    p.send_signal(signal.SIGINT)
    out, err = p.communicate(timeout=120)
    assert ready is None or time.monotonic() - pressed < 5
    return p.returncode, out.decode(), first + err.decode()


class CliTest(unittest.TestCase):
    def setUp(self):
        """A folder of the test's own, removed at its end whatever permissions the test left in it."""
        self.dir = pathlib.Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.dir)
        self.addCleanup(subprocess.run, ["chmod", "-R", "u+rwx", self.dir])

    def ok(self, *args, **kw):
        """The standard output of a run that must succeed."""
        r = run(*args, **kw)
        self.assertEqual(r.returncode, 0, (args, r.stderr))
        return r.stdout

    def json(self, *args, **kw):
        """The JSON of a run that must succeed, with no NaN nor infinity."""
        return json.loads(self.ok(*args, "--json", **kw), parse_constant=self.fail)

    def report(self, *args):
        """The text report of a run that must succeed, on standard output."""
        return self.ok("report", *args, "--out", "-", "--format", "txt")

    def says(self, text, *phrases):
        for phrase in phrases:
            self.assertIn(phrase, text)

    def fails(self, status, message, *args, **kw):
        """A run that ends with the exit status and says the message on standard error."""
        r = run(*args, **kw)
        self.assertEqual(r.returncode, status, (args, r.stderr))
        self.assertIn(message, r.stderr, args)
        return r
