#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Check the word lists in data/ against the format the game reads.

Every list (*.TXT) must be:
  * Windows-1252 text, one item per line, CR LF after every line;
  * free of blank lines, commas, double quotes, tabs and control
    characters, leading or trailing blanks and doubled blanks;
  * free of repeated items, also after upper-casing as the game does;
  * at least as long as given in LISTS (the dictionary exactly).

leeme.txt must be UTF-8 without byte-order mark, with LF line ends and
lines of at most 75 columns.

Usage: python3 tools/check_lists.py [--data DIR] [--stats]
With --stats, also print for each list how many items hold a character
that the 37 letter keys cannot reveal, and some sample items.
Exit status 0 when all checks pass, 1 otherwise.
"""

import argparse
import os
import re
import sys

from projectfacts import dictionary_words

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# file name -> (minimum count, exact count or None)
LISTS = {
    "propios.TXT": (600, None),
    "peliculas.TXT": (400, None),
    "informatica.TXT": (400, None),
    "diccionario.TXT": (dictionary_words(), dictionary_words()),
}

# What the letter keys can reveal once the item is upper-cased.
KEYS = set("ABCDEFGHIJKLMNOPQRSTUVWXYZÑ0123456789")

HELP_FILE = "leeme.txt"
HELP_COLUMNS = 75


def game_upper(text):
    """Upper-case as the Windows-1252 case mapping does."""
    out = []
    for ch in text:
        up = ch.upper()
        try:
            ok = len(up) == 1 and len(up.encode("cp1252")) == 1
        except UnicodeEncodeError:
            ok = False
        out.append(up if ok else ch)
    return "".join(out)


def check_list(path, minimum, exact):
    problems = []
    with open(path, "rb") as handle:
        raw = handle.read()
    try:
        text = raw.decode("cp1252")
    except UnicodeDecodeError as error:
        return ["not Windows-1252: %s" % error], []
    if any(b >= 0x80 for b in raw):
        try:
            raw.decode("utf-8")
            problems.append("looks like UTF-8, not Windows-1252")
        except UnicodeDecodeError:
            pass
    if not text:
        return ["empty file"], []
    if not text.endswith("\r\n"):
        problems.append("last line does not end with CR LF")
    bare = text.replace("\r\n", "")
    if "\r" in bare or "\n" in bare:
        problems.append("%d line end(s) other than CR LF"
                        % (bare.count("\r") + bare.count("\n")))
    lines = re.split(r"\r\n|\r|\n", text)
    if lines[-1] == "":
        lines.pop()
    seen = {}
    seen_upper = {}
    for number, item in enumerate(lines, 1):
        where = "line %d %r" % (number, item)
        if item.strip() == "":
            problems.append("line %d: blank line" % number)
            continue
        if "," in item or '"' in item:
            problems.append("%s: comma or double quote" % where)
        if any(ord(ch) < 32 or ord(ch) == 127 for ch in item):
            problems.append("%s: tab or control character" % where)
        if item != item.strip():
            problems.append("%s: leading or trailing blank" % where)
        if "  " in item:
            problems.append("%s: doubled blank" % where)
        if item in seen:
            problems.append("%s: repeats line %d" % (where, seen[item]))
        else:
            seen[item] = number
            upper = game_upper(item)
            if upper in seen_upper:
                problems.append("%s: same as line %d once upper-cased"
                                % (where, seen_upper[upper]))
            else:
                seen_upper[upper] = number
    if exact is not None:
        if len(lines) != exact:
            problems.append("%d items, exactly %d needed"
                            % (len(lines), exact))
    elif len(lines) < minimum:
        problems.append("%d items, at least %d needed" % (len(lines), minimum))
    return problems, lines


def check_help(path):
    problems = []
    with open(path, "rb") as handle:
        raw = handle.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append("starts with a byte-order mark")
    if b"\r" in raw:
        problems.append("contains CR (line ends must be LF)")
    if not raw.endswith(b"\n"):
        problems.append("last line does not end with LF")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        return problems + ["not UTF-8: %s" % error]
    for number, line in enumerate(text.split("\n"), 1):
        if len(line) > HELP_COLUMNS:
            problems.append("line %d is %d columns long" % (number, len(line)))
        if line != line.rstrip():
            problems.append("line %d has trailing blanks" % number)
        if "\t" in line:
            problems.append("line %d has a tab" % number)
    return problems


def print_stats(name, items):
    hidden = [i for i in items if set(game_upper(i)) - KEYS - {" "}]
    share = 100.0 * len(hidden) / len(items) if items else 0.0
    print("  %d items; %d (%.1f %%) hold a character the keys cannot reveal"
          % (len(items), len(hidden), share))
    step = max(1, len(items) // 10)
    samples = items[step // 2::step][:10]
    print("  samples: " + " | ".join(samples))


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(REPO_ROOT, "data"),
                        help="folder holding the lists (default: %(default)s)")
    parser.add_argument("--stats", action="store_true",
                        help="print counts, shares and samples")
    args = parser.parse_args(argv)

    failed = False
    for name, (minimum, exact) in LISTS.items():
        path = os.path.join(args.data, name)
        if not os.path.isfile(path):
            print("%s: missing" % name)
            failed = True
            continue
        problems, items = check_list(path, minimum, exact)
        print("%s: %s" % (name, "ok" if not problems else
                          "%d problem(s)" % len(problems)))
        for problem in problems[:20]:
            print("  " + problem)
        if len(problems) > 20:
            print("  ... and %d more" % (len(problems) - 20))
        failed = failed or bool(problems)
        if args.stats and items:
            print_stats(name, items)

    path = os.path.join(args.data, HELP_FILE)
    if not os.path.isfile(path):
        print("%s: missing" % HELP_FILE)
        failed = True
    else:
        problems = check_help(path)
        print("%s: %s" % (HELP_FILE, "ok" if not problems else
                          "%d problem(s)" % len(problems)))
        for problem in problems:
            print("  " + problem)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
