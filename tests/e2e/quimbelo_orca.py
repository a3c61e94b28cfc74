#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A round of the built quimbelo program played by keys with Orca, heard as a blind player
hears it.

The program runs as in quimbelo_e2e.py, on a private desktop with a window manager, beside
a word list of one word; Orca speaks Spanish there (see orca_speech.py). Each key is pressed
with xdotool and what Orca then says is checked: the number of letters when the round
starts, the tries and misses after a miss and after a hit, the report at the end, and on
the way a guess of the focused key, the keys that ask for the round and the counters, the
next round and About. What was pressed and what was heard is kept as transcript.txt in
the artefacts folder.

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
LIMIT = 280  # seconds the whole round may take, Orca's start included
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


def heard(spoken, pattern):
    return any(re.search(pattern, text, re.IGNORECASE) for text in spoken)


def play_round(desktop, orca, source, transcript):
    """Plays a round of WORD by keys, then another's start, About, and the end."""
    scenarios = e2e.Scenarios(desktop, source)

    def hear(label, since, *patterns, heard_since=None):
        """Waits until Orca has said something matching each pattern since the mark (or
        since heard_since), and then for a moment of quiet; keeps in the transcript what
        it said since the mark."""
        waited = since if heard_since is None else heard_since
        try:
            orca.until(lambda spoken: all(heard(spoken, p) for p in patterns), since=waited,
                       what=f"{label}: {' and '.join(patterns)}")
        except TimeoutError as timeout:
            transcript.add(label, orca.spoken(since))
            raise e2e.Failure(str(timeout))
        spoken = orca.spoken(since)
        transcript.add(label, spoken)
        return spoken

    def press(key, *patterns, label=None, heard_since=None):
        since = orca.mark()
        if len(key) == 1:
            desktop.type(key)
        else:
            desktop.key(key)
        return hear(label or key, since, *patterns, heard_since=heard_since)

    try:
        started = orca.mark()
        game = scenarios.launch("orca", informatica=e2e.word_list(WORD))
        scenarios.wait_splash(game)
        hear("(the program starts: the splash)", started, r"Versión \d")

        # The splash goes on a key, Esc here: should the splash have gone by itself
        # meanwhile (Orca may take its time), Esc on a letter key guesses nothing. The
        # round is said once the game window has the focus, maybe before the key.
        press("Escape", r"\b3 letras\b", label="Escape (the splash goes)", heard_since=started)
        game.wait_letters_take_keys()
        e2e.check_equal(game.counters()["Label4"], "0", "tries before the first guess")

        press("x", r"\bX\b", r"Intentos:? 1\b", r"errores:? 1\b")
        press("o", r"\bO\b", r"Intentos:? 2\b", r"errores:? 1\b")
        # The focused key, Q, guessed: a miss, and the focus moves on to W.
        press("space", r"^W\b", r"\bQ\b", r"Intentos:? 3\b", r"errores:? 2\b",
              label="space (on the focused Q)")
        press("F3", r"Intentos:? 3\b", r"\bX\b", r"\bQ\b")
        press("F4", r"Juegos:? 1\b")

        # The last letter wins the round: the report is read as its box opens.
        press("s", r"Correcto", r"La solución era:\s*OSO", r"Numero de intentos: 4",
              r"Numero de fallos: 2")
        press("Return", r"¿Quieres jugar otra vez\?", label="Return (Aceptar)")
        # "Sí", the default, starts the next round.
        press("Return", r"\b3 letras\b", label="Return (Sí)")
        e2e.check_equal(game.counters()["Label11"], "2", "games after \"Sí\"")

        # About, from the Ayuda menu: its texts, and Tab stops on named things only.
        press("alt+a", r"Acerca de|Leame|Léame")
        press("Down", r"Acerca de")
        press("Return", r"Versión \d", label="Return (About)")
        press("Tab", r"Logotipo", label="Tab (in About)")
        press("Escape", r"Quimbelo|3 letras|botón", label="Escape (About closes)")

        desktop.key("ctrl+s")
        transcript.add("ctrl+s (the program ends)", [])
        e2e.check_equal(game.wait_exit("Ctrl+S"), 0, "exit status after Ctrl+S")
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
