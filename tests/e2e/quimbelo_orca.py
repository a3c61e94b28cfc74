#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A round of the built quimbelo program played by keys with Orca, heard as a blind player
hears it.

The program runs as in quimbelo_e2e.py, on a private desktop with a window manager, beside
a word list of one word; Orca speaks Spanish there (see orca_speech.py). Each key is pressed
with xdotool and what Orca then says is checked: the number of letters when the round
starts, the tries and misses after a miss and after a hit, the report at the end. What was
pressed and what was heard is kept as transcript.txt in the artefacts folder.

    quimbelo_orca.py --program BIN --source SRC --artefacts DIR

Exits with SKIP_STATUS, saying why on a line that starts "Skipped: ", only where Orca
cannot start on this machine.
"""

import argparse
import os
import re
import shutil
import signal
import sys
import tempfile
import time
import traceback

import orca_speech
import quimbelo_e2e as e2e

SKIP_STATUS = 77
LIMIT = 150  # seconds the whole round may take, Orca's start included
WORD = "oso"


class Transcript:
    """Each key pressed and what Orca said after it, as a person reads it."""

    def __init__(self, path):
        self.path = path
        self.lines = []

    def add(self, pressed, spoken):
        self.lines.append(f"{pressed}\n" + "".join(f"    «{text}»\n" for text in spoken))
        with open(self.path, "w", encoding="utf-8") as out:
            out.write("".join(self.lines))

    def text(self):
        return "".join(self.lines)


def heard(spoken, pattern, what):
    """Checks that one of the utterances matches pattern (case and accents as written)."""
    if not any(re.search(pattern, text) for text in spoken):
        raise e2e.Failure(f"{what}: Orca did not say anything matching {pattern!r}; it said {spoken!r}")


def not_heard(spoken, pattern, what):
    if any(re.search(pattern, text) for text in spoken):
        raise e2e.Failure(f"{what}: Orca said {pattern!r}; it said {spoken!r}")


def play_round(desktop, orca, source, transcript):
    scenarios = e2e.Scenarios(desktop, source)
    try:
        start = orca.mark()
        game = scenarios.launch("orca", informatica=e2e.word_list(WORD))
        scenarios.wait_splash(game)
        spoken = orca.until(lambda spoken: any("Quimbelo" in text for text in spoken), since=start,
                            what="the splash to be named")
        transcript.add("(the program starts: the splash)", spoken)
        heard(spoken, r"Versión \d", "the splash")

        def press(key, expect=1, label=None):
            def action():
                if len(key) == 1:
                    desktop.type(key)
                else:
                    desktop.key(key)
            spoken = orca.after(action, expect=expect)
            transcript.add(label or key, spoken)
            return spoken

        # The splash goes on a key; the round's start is said once the window has the focus.
        spoken = press("space", expect=3)
        if not any(re.search(r"\b3 letras\b", text) for text in spoken):
            spoken += orca.until(lambda more: any(re.search(r"\b3 letras\b", t) for t in more),
                                 what="the round's start")
        heard(spoken, r"\b3 letras\b", "the start of the round")
        game.wait_letters_take_keys()

        spoken = press("x")
        heard(spoken, r"\bX\b", "a miss")
        heard(spoken, r"Intentos:? 1\b", "the tries after a miss")
        heard(spoken, r"Errores:? 1\b", "the misses after a miss")

        spoken = press("o")
        heard(spoken, r"\bO\b", "a hit")
        heard(spoken, r"Intentos:? 2\b", "the tries after a hit")
        heard(spoken, r"Errores:? 1\b", "the misses after a hit")

        # The last letter wins the round: the report is read as its box opens.
        spoken = press("s", expect=2)
        spoken = spoken if any("Correcto" in text for text in spoken) else spoken + orca.until(
            lambda more: any("Correcto" in text for text in more), what="the report")
        heard(spoken, r"Correcto", "the report")
        heard(spoken, r"La solución era:\s*OSO", "the word in the report")
        heard(spoken, r"Numero de intentos: 3", "the tries in the report")
        heard(spoken, r"Numero de fallos: 1", "the misses in the report")

        spoken = press("Return", label="Return (Aceptar)")
        heard(spoken, r"¿Quieres jugar otra vez\?", "the question after the report")

        # "No", the second button, ends the program.
        press("Tab")
        desktop.key("Return")
        transcript.add("Return (No)", [])
        e2e.check_equal(game.wait_exit("answering No"), 0, "exit status after No")
    finally:
        scenarios.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--artefacts", required=True)
    args = parser.parse_args()

    missing = orca_speech.missing_tools()
    for tool in ("Xvfb", "xdotool", "xprop", "xwininfo", "dbus-daemon", "openbox"):
        if shutil.which(tool) is None:
            missing.append(tool)
    if missing:
        print(f"missing {', '.join(missing)}: run tools/setup-debian.sh test", file=sys.stderr)
        return 1

    shutil.rmtree(args.artefacts, ignore_errors=True)
    os.makedirs(args.artefacts)

    def give_up(signum, _frame):
        if signum == signal.SIGALRM:
            raise e2e.Failure(f"the round took longer than {LIMIT} s")
        raise e2e.Failure(f"stopped by signal {signum}")
    signal.signal(signal.SIGTERM, give_up)
    signal.signal(signal.SIGALRM, give_up)
    signal.alarm(LIMIT)

    transcript = Transcript(os.path.join(args.artefacts, "transcript.txt"))
    desktop = e2e.Desktop(args.artefacts, os.path.abspath(args.program), window_manager="openbox")
    orca = None
    folder = tempfile.mkdtemp(prefix="quimbelo-orca-")
    started = time.monotonic()
    try:
        desktop.start()
        orca = orca_speech.Orca(desktop, folder)
        try:
            orca.start()
        except orca_speech.OrcaUnavailable as reason:
            print(f"Skipped: Orca cannot start here: {reason}")
            return SKIP_STATUS
        play_round(desktop, orca, os.path.abspath(args.source), transcript)
    except Exception as error:
        try:
            print("screenshot at failure:", desktop.screenshot("failure"), file=sys.stderr)
        except Exception:
            pass
        if not isinstance(error, e2e.Failure):
            traceback.print_exc()
            error = f"{type(error).__name__}: {error}"
        print("What Orca said, key by key:\n" + transcript.text(), file=sys.stderr)
        print(f"FAIL orca_round: {error}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        if orca is not None:
            orca.stop()
        desktop.stop()
        shutil.rmtree(folder, ignore_errors=True)
    print("What Orca said, key by key:\n" + transcript.text())
    print(f"PASS orca_round in {time.monotonic() - started:.1f} s; transcript in {transcript.path}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
