#!/usr/bin/env python3
"""Every translation file is complete and current: each text of the program
translated (nothing unfinished, obsolete or left empty), every placeholder
kept, and, read afresh from the sources by lupdate, nothing new to translate.
The build lists exactly the languages that have a file.

Usage: translations_test.py SOURCE_DIR [LUPDATE]
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SOURCES = ("ui", "scores", "platform", "tools/assetgen")
PLACEHOLDER = re.compile(r"%(?:\d+|n)")


def problems(path):
    """What is wrong with one .ts file, one line each."""
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source, translation = message.findtext("source"), message.find("translation")
            what = f"{name}: {source!r}"
            if translation.get("type"):
                found.append(f"{what} is {translation.get('type')}")
                continue
            # A text with a count has one form per plural of the language.
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for form in forms:
                if not form.strip():
                    found.append(f"{what} is empty")
                elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(form)):
                    found.append(f"{what} loses or gains a placeholder: {form!r}")
    return found


def main():
    source = os.path.abspath(sys.argv[1])
    lupdate = sys.argv[2] if len(sys.argv) > 2 else shutil.which("lupdate")
    files = sorted(glob.glob(os.path.join(source, "translations", "tumbaro_*.ts")))
    codes = [os.path.basename(f)[len("tumbaro_"):-len(".ts")] for f in files]
    build = open(os.path.join(source, "ui", "languages", "CMakeLists.txt")).read()
    listed = re.search(r"set\(TumbaroLanguages ([^)]*)\)", build).group(1).split()
    failures = [] if sorted(listed) == codes else [f"the build lists {listed}, the files are {codes}"]
    for path, code in zip(files, codes):
        if ET.parse(path).getroot().get("language") != code:
            failures.append(f"{code}: the file names another language")
        failures += [f"{code}: {p}" for p in problems(path)]
    if lupdate:
        with tempfile.TemporaryDirectory() as work:
            copies = [shutil.copy(f, work) for f in files]
            subprocess.run([lupdate, "-silent", "-locations", "none", *SOURCES, "-ts", *copies], cwd=source,
                           check=True, capture_output=True)
            failures += [f"{os.path.basename(c)} after lupdate: {p}" for c in copies for p in problems(c)]
    print("\n".join(failures) or f"{len(files)} translations complete")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
