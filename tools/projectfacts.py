# SPDX-License-Identifier: MIT
"""Figures of the project that the scripts share with the build, read from where the
build keeps them, so that each is written once."""

import os
import re

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def dictionary_words():
    """How many words the dictionary list holds, as the game window announces it."""
    with open(os.path.join(REPO_ROOT, "CMakeLists.txt"), encoding="utf-8") as cmake:
        match = re.search(r"set\(QUIMBELO_DICTIONARY_WORDS (\d+)\)", cmake.read())
    if not match:
        raise SystemExit("CMakeLists.txt does not set QUIMBELO_DICTIONARY_WORDS")
    return int(match.group(1))
