#!/usr/bin/env python3
"""Solves each reference project with voro-cli --json and compares every value
with the independent reference calculation: integers exactly, Singles bit for
bit, Doubles to 1e-12 relative."""
import json
import math
import pathlib
import struct
import subprocess
import sys

SINGLES = {"EccCalcSinistra", "EccCalcChiave", "EccCalcDestra", "VSinistra", "HSinistra",
           "VDestra", "HDestra", "NPrimaSezione", "TPrimaSezione", "SigmaEstGiunti",
           "SigmaIntGiunti", "TauGiunti", "PercGiunti", "xq1", "xq2"}


def f32(v):
    return struct.unpack("<f", struct.pack("<f", v))[0]


def compare(path, ours, ref, single, errors):
    if isinstance(ref, dict):
        if set(ours) != set(ref):
            errors.append(f"{path}: keys differ: {sorted(set(ours) ^ set(ref))}")
        for k in ref:
            if k in ours:
                compare(f"{path}.{k}", ours[k], ref[k], single or k in SINGLES, errors)
    elif isinstance(ref, list):
        if len(ours) != len(ref):
            errors.append(f"{path}: length {len(ours)} != {len(ref)}")
            return
        for i, (a, b) in enumerate(zip(ours, ref)):
            compare(f"{path}[{i}]", a, b, single, errors)
    elif isinstance(ref, str) or (isinstance(ref, int) and not single):
        if ours != ref:
            errors.append(f"{path}: {ours!r} != {ref!r}")
    elif single:
        if f32(float(ours)) != f32(float(ref)):
            errors.append(f"{path}: Single {ours!r} != {ref!r}")
    else:
        a, b = float(ours), float(ref)
        if not math.isfinite(a) or abs(a - b) > 1e-12 * max(abs(b), 1.0):
            errors.append(f"{path}: Double {ours!r} != {ref!r}")


def main():
    cli, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    failed = 0
    for vro in sorted(folder.glob("*.vro")):
        ref = json.loads(vro.with_suffix(".json").read_text())
        run = subprocess.run([cli, "solve", str(vro), "--json"], capture_output=True, text=True)
        expected_status = 1 if "error" in ref else 0
        errors = []
        if run.returncode != expected_status:
            errors.append(f"exit status {run.returncode}, expected {expected_status}; stderr: {run.stderr.strip()}")
        try:
            ours = json.loads(run.stdout)
            compare(vro.stem, ours, ref, False, errors)
        except json.JSONDecodeError as e:
            errors.append(f"output is not JSON: {e}: {run.stdout[:200]!r}")
        status = "ok" if not errors else f"{len(errors)} differences"
        print(f"{vro.name}: {status}")
        for e in errors[:25]:
            print("   ", e)
        failed += bool(errors)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
