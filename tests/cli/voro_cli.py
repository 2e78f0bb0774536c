"""What the tests of voro-cli share: the program under test, given as the first argument, the bundled
examples, and one run of the program as a user's shell would make it."""
import os
import pathlib
import subprocess
import sys
import tempfile

CLI = sys.argv.pop(1)
ROOT = pathlib.Path(__file__).resolve().parents[2]
EXAMPLES = sorted((ROOT / "examples").glob("*.vro"))
EXAMPLE = ROOT / "examples" / "ponte-stradale.vro"
FAILING = ROOT / "tests" / "cli" / "reference" / "f02_ndivisioni_zero.vro"
ENV = {**os.environ, "QT_QPA_PLATFORM": "offscreen", "XDG_RUNTIME_DIR": tempfile.mkdtemp()}


def run(*args, env=ENV, **kw):
    """voro-cli with the arguments; its standard output and error as text."""
    return subprocess.run([CLI, *map(str, args)], capture_output=True, text=True, timeout=300, env=env, **kw)
