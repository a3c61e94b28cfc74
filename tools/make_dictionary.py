#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Build data/diccionario.TXT, the word list of the "Diccionario" theme.

The list holds exactly TARGET distinct Spanish words, one per line,
encoded as Windows-1252 with CR LF line ends.

Sources (Debian packages):

  * wspanish     /usr/share/dict/spanish               (the base)
  * hunspell-es  /usr/share/hunspell/es_ES.dic + .aff  (the complement)

Steps:

  1. Every word of wspanish is taken, except entries that the game cannot
     use (characters outside Windows-1252, commas, double quotes, blanks,
     empty lines) and repeated entries.
  2. The list is completed up to TARGET words with lower-case Spanish words
     taken from hunspell-es.  Candidates are, in this order of preference:
       tier 1: the words listed in es_ES.dic as they stand;
       tier 2: plurals and feminine forms made by applying one rule of the
               suffix flags S (plural) and G (gender) to an entry;
       tier 3: forms made by applying one rule of any other suffix flag.
     Only words made of a-z, n tilde, accented vowels and u diaeresis, at
     least 2 letters long, are candidates.  Capitalised entries (proper
     names), entries with dots, abbreviations in capitals and the
     lower-case abbreviations listed in ABBREVIATIONS are skipped.
     Words already present (compared after lower-casing) are skipped.
     Within a tier, candidates are taken in the order of the SHA-1 digest
     of their UTF-8 bytes (ties broken by the word itself), so the added
     words are spread over the whole alphabet.  A tier is only used when
     the previous ones do not reach TARGET.
  3. The result is sorted in Spanish alphabetical order (accents and
     diaeresis ignored at first, n tilde after n; ties broken by code
     point) and written as Windows-1252 with CR LF line ends.

Given the same input files the output is identical byte for byte.

Other versions of the packages choose other words.  data/SOURCES.md records
the versions and the SHA-256 of the input files that the shipped list was
built from; recorded_inputs() reads that record and installed_inputs() says
what this system has, so that the rebuild can be checked where the two agree.

Usage: python3 tools/make_dictionary.py [--output PATH]
Exit status 0 on success, 1 on any problem (message on stderr).
"""

import argparse
import hashlib
import os
import re
import subprocess
import sys
import tempfile

from projectfacts import dictionary_words

TARGET = dictionary_words()

WSPANISH = "/usr/share/dict/spanish"
HUNSPELL_DIC = "/usr/share/hunspell/es_ES.dic"
HUNSPELL_AFF = "/usr/share/hunspell/es_ES.aff"

# The Debian packages the inputs come from, each with its files.
PACKAGES = {
    "wspanish": (WSPANISH,),
    "hunspell-es": (HUNSPELL_DIC, HUNSPELL_AFF),
}

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUTPUT = os.path.join(REPO_ROOT, "data", "diccionario.TXT")
SOURCES = os.path.join(REPO_ROOT, "data", "SOURCES.md")

# Words taken from hunspell-es must consist of these letters only.
CANDIDATE_RE = re.compile(r"^[a-zñáéíóúü]{2,}$")

# Abbreviations that es_ES.dic lists in lower case and without their dot
# ("etc" for "etc.", "pág" for "pág.").  They were found by reading every
# entry of five letters or fewer that wspanish lacks.  Neither they nor
# their forms ("págs", "sras") are used.  A few unclear short entries are
# also left out.
ABBREVIATIONS = frozenset("""
    abc admón adv afmo ap apdo aprox ar art atte atto av avd avda ayto
    bibl blv bs bv caj cent cént cf cfr cgo ch cit cl cm cód coord cta
    cte ctvo dcho depto der diag dicc dir dpto dto dupdo ed edit ef ej etc
    fca fig fol fra geogr geom gob gral gta hab hno ib ibíd imp impr impto
    incl ing inst is izq izqdo jhs ju km ldo lic loc ltdo máx mín ms mtro
    nis nro núm ob op pág pár pat pbro pdta pdte pg pl plza pol pp ppal
    pral prof prov pról pta pts pza qu rdo reg rel rep rev rte rvd rvdo
    sdad sig sís soc sr srta ss sto tel teléf ter tfno tít tpo trad univ
    vol vs vto xto
""".split())

# Flags whose suffix rules make plurals (S) and feminine forms (G).
NOMINAL_FLAGS = ("S", "G")

# Spanish alphabetical order used for sorting the output.
ALPHABET = "abcdefghijklmnñopqrstuvwxyz"
FOLD = str.maketrans("áàâäéèêëíìîïóòôöúùûü", "aaaaeeeeiiiioooouuuu")


class BuildError(Exception):
    pass


def fail(message):
    raise BuildError(message)


def read_text(path, package):
    if not os.path.isfile(path):
        fail("%s not found; install the Debian package '%s' "
             "(apt-get install %s)" % (path, package, package))
    with open(path, "rb") as handle:
        raw = handle.read()
    try:
        return raw.decode("utf-8")
    except UnicodeDecodeError as error:
        fail("%s is not valid UTF-8: %s" % (path, error))


def fit_for_game(word):
    """Return None if the entry can be used, else the reason why not."""
    if word == "":
        return "empty line"
    if any(ch.isspace() for ch in word):
        return "contains a blank"
    if "," in word or '"' in word:
        return "contains a comma or a double quote"
    try:
        word.encode("cp1252")
    except UnicodeEncodeError:
        return "character outside Windows-1252"
    if any(ord(ch) < 32 or ord(ch) == 127 for ch in word):
        return "control character"
    return None


def load_base():
    text = read_text(WSPANISH, "wspanish")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    kept = []
    seen = set()
    dropped = []
    for number, line in enumerate(lines, 1):
        word = line[:-1] if line.endswith("\r") else line
        reason = fit_for_game(word)
        if reason is None and word.lower() in seen:
            reason = "repeated entry"
        if reason is not None:
            dropped.append((number, word, reason))
            continue
        seen.add(word.lower())
        kept.append(word)
    return lines, kept, dropped


def parse_aff(text):
    """Return {flag: [(strip, add, condition_regex, continuation)]} for SFX."""
    header = None
    suffixes = {}
    for line in text.split("\n"):
        fields = line.split()
        if not fields or fields[0].startswith("#"):
            continue
        if fields[0] == "FLAG" and len(fields) > 1 and fields[1] != "UTF-8":
            fail("%s: FLAG %s is not supported" % (HUNSPELL_AFF, fields[1]))
        if fields[0] != "SFX":
            continue
        if len(fields) == 4 and fields[2] in ("Y", "N") and fields[3].isdigit():
            header = fields[1]
            suffixes.setdefault(header, [])
            continue
        if len(fields) < 5 or fields[1] != header:
            fail("%s: unexpected line: %s" % (HUNSPELL_AFF, line))
        strip = "" if fields[2] == "0" else fields[2]
        add, _, continuation = fields[3].partition("/")
        if add == "0":
            add = ""
        condition = re.compile("(?:%s)$" % fields[4].replace(".", "[^\\n]"))
        suffixes[header].append((strip, add, condition, continuation))
    if not suffixes:
        fail("%s: no suffix rules found" % HUNSPELL_AFF)
    return suffixes


def parse_dic(text):
    lines = text.split("\n")
    if not lines or not lines[0].strip().isdigit():
        fail("%s: the first line must hold the entry count" % HUNSPELL_DIC)
    entries = []
    for line in lines[1:]:
        line = line.strip()
        if not line:
            continue
        word, _, flags = line.partition("/")
        entries.append((word, flags.split()[0] if flags.split() else ""))
    if len(entries) < 1000:
        fail("%s: too few entries (%d)" % (HUNSPELL_DIC, len(entries)))
    return entries


def apply_suffix(word, rules):
    forms = []
    for strip, add, condition, _ in rules:
        if word.endswith(strip) and condition.search(word):
            forms.append(word[:len(word) - len(strip)] + add)
    return forms


def is_candidate(word):
    return (CANDIDATE_RE.match(word) is not None
            and word not in ABBREVIATIONS)


def hunspell_tiers():
    """Yield the candidate sets of tiers 1, 2 and 3, each only when asked."""
    aff = parse_aff(read_text(HUNSPELL_AFF, "hunspell-es"))
    entries = parse_dic(read_text(HUNSPELL_DIC, "hunspell-es"))
    # Capitalised entries (proper names), entries in capitals
    # (abbreviations) and entries with dots are never used, nor their forms.
    entries = [(w, f) for w, f in entries
               if is_candidate(w) and w not in ABBREVIATIONS]
    yield set(w for w, _ in entries)
    for nominal in (True, False):
        forms = set()
        for word, flags in entries:
            for flag in flags:
                rules = aff.get(flag)
                if rules and (flag in NOMINAL_FLAGS) == nominal:
                    forms.update(f for f in apply_suffix(word, rules)
                                 if is_candidate(f))
        yield forms


def hash_order(word):
    return (hashlib.sha1(word.encode("utf-8")).hexdigest(), word)


def spanish_key(word):
    folded = word.lower().translate(FOLD)
    primary = tuple(ALPHABET.find(ch) if ch in ALPHABET else 100 + ord(ch)
                    for ch in folded)
    return (primary, word)


def build():
    lines, base, dropped = load_base()
    report = ["wspanish: %d lines, %d words kept, %d dropped"
              % (len(lines), len(base), len(dropped))]
    for number, word, reason in dropped:
        report.append("  dropped line %d %r: %s" % (number, word, reason))
    if len(base) > TARGET:
        fail("wspanish alone has %d usable words, more than %d"
             % (len(base), TARGET))

    words = list(base)
    seen = set(w.lower() for w in base)
    missing = TARGET - len(words)
    for number, tier in enumerate(hunspell_tiers(), 1):
        fresh = sorted((w for w in tier if w.lower() not in seen),
                       key=hash_order)
        taken = fresh[:missing]
        words.extend(taken)
        seen.update(w.lower() for w in taken)
        missing -= len(taken)
        report.append("hunspell-es tier %d: %d new candidates, %d taken"
                      % (number, len(fresh), len(taken)))
        if missing == 0:
            break
    if missing:
        fail("only %d words could be gathered, %d are needed"
             % (len(words), TARGET))

    words.sort(key=spanish_key)
    if len(set(w.lower() for w in words)) != TARGET:
        fail("internal error: the list has repeated words")
    data = "".join(w + "\r\n" for w in words).encode("cp1252")
    return data, report


def recorded_inputs(sources=SOURCES):
    """What data/SOURCES.md records of the inputs of the shipped list:
    ({package: version}, {input file: SHA-256}, SHA-256 of the shipped list).

    The versions are the second column of the package table, the digests
    the indented "DIGEST  PATH" lines, the shipped list's the indented
    digest that stands alone."""
    try:
        with open(sources, encoding="utf-8") as handle:
            text = handle.read()
    except OSError as error:
        fail("cannot read %s: %s" % (sources, error))
    versions = {}
    digests = {}
    for package, files in PACKAGES.items():
        found = re.findall(r"^\|\s*`%s`\s*\|\s*([^\s|]+)" % re.escape(package),
                           text, re.M)
        if len(found) != 1:
            fail("%s: no single version recorded for %s" % (sources, package))
        versions[package] = found[0]
        for path in files:
            found = re.findall(r"^[ \t]+([0-9a-f]{64})[ \t]+%s[ \t]*$"
                               % re.escape(path), text, re.M)
            if len(found) != 1:
                fail("%s: no single SHA-256 recorded for %s" % (sources, path))
            digests[path] = found[0]
    found = re.findall(r"^[ \t]+([0-9a-f]{64})[ \t]*$", text, re.M)
    if len(found) != 1:
        fail("%s: no single SHA-256 recorded for the shipped list" % sources)
    return versions, digests, found[0]


def installed_inputs():
    """The same facts about this system: ({package: version or None},
    {input file: SHA-256 or None}); None for what is not installed."""
    versions = {}
    digests = {}
    for package, files in PACKAGES.items():
        try:
            query = subprocess.run(
                ["dpkg-query", "-W", "-f=${db:Status-Abbrev}${Version}", package],
                capture_output=True, text=True)
            status = query.stdout
        except OSError:
            status = ""
        versions[package] = status[3:] if status.startswith("ii ") else None
        for path in files:
            try:
                with open(path, "rb") as handle:
                    digests[path] = hashlib.sha256(handle.read()).hexdigest()
            except OSError:
                digests[path] = None
    return versions, digests


def write_atomically(path, data):
    directory = os.path.dirname(os.path.abspath(path))
    if not os.path.isdir(directory):
        fail("output folder %s does not exist" % directory)
    handle, temporary = tempfile.mkstemp(dir=directory, prefix=".dicc-")
    try:
        with os.fdopen(handle, "wb") as out:
            out.write(data)
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        if os.path.exists(temporary):
            os.unlink(temporary)
        raise


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Build the Spanish dictionary word list of the game "
                    "from wspanish and hunspell-es.")
    parser.add_argument("--output", default=DEFAULT_OUTPUT,
                        help="file to write (default: %(default)s)")
    parser.add_argument("--quiet", action="store_true",
                        help="do not print the summary")
    args = parser.parse_args(argv)
    try:
        data, report = build()
        write_atomically(args.output, data)
    except BuildError as error:
        print("make_dictionary: error: %s" % error, file=sys.stderr)
        return 1
    except OSError as error:
        print("make_dictionary: error: %s" % error, file=sys.stderr)
        return 1
    if not args.quiet:
        for line in report:
            print(line, file=sys.stderr)
        print("wrote %d words to %s" % (TARGET, args.output), file=sys.stderr)
        if os.path.abspath(args.output) == DEFAULT_OUTPUT:
            versions, digests = installed_inputs()
            try:
                recorded = recorded_inputs()[:2]
            except BuildError:
                recorded = None
            if (versions, digests) != recorded:
                # The check of the shipped list compares it with a rebuild only
                # where the inputs are those recorded.
                print("note: record these inputs' versions and SHA-256 in %s"
                      % SOURCES, file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
