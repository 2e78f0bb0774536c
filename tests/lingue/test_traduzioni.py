#!/usr/bin/env python3
"""The translation files are complete and up to date.

Usage: test_traduzioni.py LUPDATE SOURCE_DIR [LUPDATE OPTIONS...]

Every text of translations/voro_it.ts and voro_en.ts is translated, with the
same %1..%9 values as its source; lupdate run over src/ into copies of the two
files finds no text the files lack and none they keep for nothing. A string
wrapped for translation but not yet translated turns this red: run
`cmake --build build --target update_translations`, translate the new
entries (Qt Linguist or a text editor) and build again.
"""
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

LUPDATE, SORGENTE, OPZIONI = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
FILE = ["voro_it.ts", "voro_en.ts"]
VALORI = re.compile(r"%[1-9]")


def messaggi(percorso):
    """(context, source, translation element, translation) of every message."""
    fuori = []
    for contesto in re.finditer(r"<context>\s*<name>(.*?)</name>(.*?)</context>", percorso.read_text("utf-8"), re.S):
        for m in re.finditer(r"<message>(.*?)</message>", contesto.group(2), re.S):
            sorgente = re.search(r"<source>(.*?)</source>", m.group(1), re.S).group(1)
            traduzione = re.search(r"<translation[^>]*?(?:/>|>(.*?)</translation>)", m.group(1), re.S)
            fuori.append((contesto.group(1), sorgente, traduzione.group(0), traduzione.group(1) or ""))
    return fuori


errori = []
prima = {nome: messaggi(SORGENTE / "translations" / nome) for nome in FILE}
for nome in FILE:
    for contesto, sorgente, elemento, traduzione in prima[nome]:
        dove = f"{nome}: {contesto}: {sorgente!r}"
        if "type=" in elemento:
            errori.append(f"{dove}: not translated ({elemento[:40]})")
        elif not traduzione:
            errori.append(f"{dove}: empty translation")
        elif sorted(VALORI.findall(sorgente)) != sorted(VALORI.findall(traduzione)):
            errori.append(f"{dove}: the values %1..%9 differ in {traduzione!r}")
testi = {nome: {(c, s) for c, s, _, _ in prima[nome]} for nome in FILE}
if [(c, s) for c, s, _, _ in prima[FILE[0]]] != [(c, s) for c, s, _, _ in prima[FILE[1]]]:
    errori.append("voro_it.ts and voro_en.ts hold different texts")

with tempfile.TemporaryDirectory() as cartella:
    copie = [shutil.copy(SORGENTE / "translations" / nome, Path(cartella) / nome) for nome in FILE]
    esito = subprocess.run([LUPDATE, *OPZIONI, "-recursive", str(SORGENTE / "src"), "-ts", *map(str, copie)],
                           capture_output=True, text=True)
    if esito.returncode != 0:
        errori.append("lupdate failed: " + esito.stderr)
    for nome, copia in zip(FILE, copie):
        dopo = {(c, s) for c, s, _, _ in messaggi(Path(copia))}
        errori += [f"{nome}: {c}: {s!r}: in the sources, not in the translations" for c, s in sorted(dopo - testi[nome])]
        errori += [f"{nome}: {c}: {s!r}: in the translations, no longer in the sources" for c, s in sorted(testi[nome] - dopo)]

for e in errori:
    print(e)
print(f"{0 if errori else 1} passed, {1 if errori else 0} failed")
sys.exit(1 if errori else 0)
