#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Rebuilds data/diccionario.TXT with tools/make_dictionary.py and compares it byte for
byte with the shipped list.

The words the script chooses depend on the versions of wspanish and hunspell-es, so the
comparison is made only where the installed packages and their input files are those
data/SOURCES.md records for the shipped list. Elsewhere (another Debian release) there
is nothing to compare: the test names what it found and what was expected and exits
with SKIPPED, which CTest reports as a skipped test. The shipped list must match the
SHA-256 recorded beside them everywhere, or the record would describe another list.

    dictionary_reproducible.py OUTPUT
"""

import hashlib
import os
import subprocess
import sys

SKIPPED = 77

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import make_dictionary  # noqa: E402


def sha256(path):
    with open(path, "rb") as handle:
        return hashlib.sha256(handle.read()).hexdigest()


def describe(versions):
    return ", ".join("%s %s" % (package, version or "(not installed)")
                     for package, version in versions.items())


def main(output):
    try:
        recorded_versions, recorded_digests, shipped_digest = make_dictionary.recorded_inputs()
    except make_dictionary.BuildError as error:
        print("FAIL: %s" % error)
        return 1
    if sha256(make_dictionary.DEFAULT_OUTPUT) != shipped_digest:
        print("FAIL: data/diccionario.TXT is not the list whose SHA-256 data/SOURCES.md records")
        return 1

    versions, digests = make_dictionary.installed_inputs()
    if (versions, digests) != (recorded_versions, recorded_digests):
        print("Skipped: the word packages here are %s; data/diccionario.TXT was built from %s"
              % (describe(versions), describe(recorded_versions)))
        for path, digest in digests.items():
            if digest != recorded_digests[path]:
                print("  %s: SHA-256 %s, recorded %s"
                      % (path, digest or "(missing)", recorded_digests[path]))
        return SKIPPED

    built = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "make_dictionary.py"),
                            "--quiet", "--output", output])
    if built.returncode != 0:
        print("FAIL: the dictionary script failed (%d)" % built.returncode)
        return 1
    with open(output, "rb") as rebuilt, open(make_dictionary.DEFAULT_OUTPUT, "rb") as shipped:
        same = rebuilt.read() == shipped.read()
    if not same:
        print("FAIL: the rebuilt dictionary differs from data/diccionario.TXT")
        return 1
    print("the list rebuilt from %s equals data/diccionario.TXT" % describe(versions))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
