#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""End-to-end tests of the Windows program under Wine.

Each scenario copies quimbelo.exe into C:\\Mis Juegos\\Ñandú & Cía's (spaces, Spanish
letters, an ampersand and an apostrophe) beside one-word lists, starts it there under
the run's Wine prefix and X server, plays it with real X key and mouse events (xdotool)
and reads its windows from outside the process with qreader.exe. A recording stand-in
takes Notepad's place and the mail program's, so the help file and the mail links are
seen as they are handed over. Screenshots are kept in the artefacts folder. The scenarios
of the release packages, zip and installer, are in packages_e2e.py.

    windows_e2e.py --wine WINE_SH --state STATE --program EXE --reader EXE
                   --recorder EXE --source SRC --artefacts DIR
                   [--shortcut EXE --zip ZIP --setup EXE] SCENARIO

Needs xdotool and imagemagick besides Wine and Xvfb.
"""

import argparse
import os
import shutil
import subprocess
import sys
import time
import traceback

FOLDER = "Mis Juegos\\Ñandú & Cía's"
PROGRAM = "C:\\" + FOLDER + "\\quimbelo.exe"
WORD = "paño"
GAME_TITLE = "Quimbelo  2.0 Brundel .. Especial Tornelas"
LISTS = ("propios.TXT", "peliculas.TXT", "informatica.TXT", "diccionario.TXT")
WAIT = 15.0  # the longest anything the player does may take to show under Wine


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def write_lists(folder, word):
    """Every theme's list, as a player may write it: one word, in Windows-1252."""
    for name in LISTS:
        with open(os.path.join(folder, name), "wb") as f:
            f.write(word.encode("cp1252") + b"\r\n")


class Screen:
    """What qreader.exe read of the program's windows."""

    def __init__(self, text):
        self.windows = {}
        self.controls = {}
        self.boxes = []
        self.foreground = ""
        current = None
        for line in text.splitlines():
            fields = line.split("\t")
            kind = fields[0]
            if kind in ("splash", "game", "about", "box"):
                window = {
                    "visible": fields[1] == "1",
                    "enabled": fields[2] == "1",
                    "rect": tuple(int(v) for v in fields[3:7]),
                    "text": fields[7] if len(fields) > 7 else "",
                    "client": fields[8] if len(fields) > 8 else "",
                    "message": "",
                    "buttons": [],
                }
                current = kind
                if kind == "box":
                    self.boxes.append(window)
                else:
                    self.windows[kind] = window
                    self.controls[kind] = {}
            elif kind == "control" and current in self.controls:
                self.controls[current][fields[1]] = {
                    "visible": fields[2] == "1",
                    "enabled": fields[3] == "1",
                    "rect": tuple(int(v) for v in fields[4:8]),
                    "text": fields[8] if len(fields) > 8 else "",
                }
            elif kind == "foreground":
                self.foreground = fields[1]
            elif kind == "message" and self.boxes:
                self.boxes[-1]["message"] = "\t".join(fields[1:]).replace("\\n", "\n")
            elif kind == "button" and self.boxes:
                self.boxes[-1]["buttons"].append("\t".join(fields[1:]))

    def shows(self, window):
        return window in self.windows and self.windows[window]["visible"]

    def text(self, name, window="game"):
        return self.controls[window][name]["text"]


class Session:
    def __init__(self, args):
        self.args = args
        self.state = os.path.abspath(args.state)
        self.drive_c = os.path.join(self.state, "prefix", "drive_c")
        with open(os.path.join(self.state, "display")) as f:
            self.display = ":" + f.read().strip()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.artefacts = os.path.abspath(args.artefacts)
        shutil.rmtree(self.artefacts, ignore_errors=True)
        os.makedirs(self.artefacts)
        self.record = os.path.join(self.artefacts, "opened.txt")
        self.process = None

    def wine(self, *command, **kwargs):
        return subprocess.run([self.args.wine, "run", self.state, *command], env=self.env,
                              stdin=subprocess.DEVNULL, capture_output=True, **kwargs)

    def registry(self, key, name, kind, value):
        """Sets a value of the prefix's registry; name None is the key's default value."""
        where = ["/ve"] if name is None else ["/v", name]
        result = self.wine("reg.exe", "add", key, *where, "/t", kind, "/d", value, "/f")
        check(result.returncode == 0, f"cannot set {key}\\{name}")

    def restart_wine(self):
        """A new Wine server, for a changed DPI to take effect."""
        result = subprocess.run([self.args.wine, "restart", self.state], env=self.env,
                                stdin=subprocess.DEVNULL, capture_output=True)
        check(result.returncode == 0, "cannot restart Wine")

    def unix_path(self, windows_path):
        """Where a path on the prefix's drive C: lies here."""
        check(windows_path[:3].upper() == "C:\\", f"not on drive C: {windows_path!r}")
        return os.path.join(self.drive_c, *windows_path[3:].split("\\"))

    def prepare(self):
        folder = self.unix_path(PROGRAM.rsplit("\\", 1)[0])
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        shutil.copy(self.args.program, os.path.join(folder, "quimbelo.exe"))
        write_lists(folder, WORD)
        shutil.copy(os.path.join(self.args.source, "data", "leeme.txt"), folder)
        self.stand_ins()

    def stand_ins(self):
        # The recorder stands in for Notepad, which the game starts by its full path, and
        # for the mail program that the shell opens a "mailto:" link with.
        system32 = os.path.join(self.drive_c, "windows", "system32")
        shutil.copy(self.args.recorder, os.path.join(system32, "notepad.exe"))
        shutil.copy(self.args.recorder, os.path.join(self.drive_c, "recorder.exe"))
        self.registry("HKLM\\Software\\Classes\\mailto\\shell\\open\\command", None, "REG_SZ",
                      '"C:\\recorder.exe" "%1"')
        if os.path.exists(self.record):
            os.remove(self.record)

    def start(self, program=PROGRAM):
        env = dict(self.env, QUIMBELO_RECORD="Z:" + self.record.replace("/", "\\"),
                   QUIMBELO_WINE_OVERRIDES="notepad.exe=n")
        self.started = time.monotonic()
        self.process = subprocess.Popen([self.args.wine, "run", self.state, program],
                                        env=env, cwd=self.artefacts, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def read(self):
        result = self.wine(self.args.reader)
        return Screen(result.stdout.decode("utf-8", "replace"))

    def wait_for(self, what, condition, timeout=WAIT):
        end = time.monotonic() + timeout
        while True:
            screen = self.read()
            if condition(screen):
                return screen
            if time.monotonic() > end:
                raise Failure(f"waited in vain for {what}")
            time.sleep(0.1)

    def keys(self, *names):
        for name in names:
            subprocess.run(["xdotool", "key", "--delay", "60", name], env=self.env, check=True)
            time.sleep(0.15)

    def click(self, rect):
        x = (rect[0] + rect[2]) // 2
        y = (rect[1] + rect[3]) // 2
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], env=self.env,
                       check=True)

    def screenshot(self, name, rect=None):
        path = os.path.join(self.artefacts, name + ".png")
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       env=self.env, check=True)
        if rect is not None:
            left, top, right, bottom = rect
            subprocess.run(["convert", path, "-crop",
                            f"{right - left}x{bottom - top}+{left}+{top}", "+repage", path],
                           check=True)
        print(f"screenshot {path}")

    def recorded(self):
        if not os.path.exists(self.record):
            return []
        with open(self.record, encoding="utf-8") as f:
            return [line.rstrip("\n") for line in f]

    def wait_recorded(self, what, part):
        end = time.monotonic() + WAIT
        while not any(part in line for line in self.recorded()):
            if time.monotonic() > end:
                raise Failure(f"{what} was never handed over; recorded: {self.recorded()}")
            time.sleep(0.1)

    def activate(self):
        """Brings the game window back to the front after another program took it: the
        window manager that would on a click is missing here, so the reader does it."""
        check(self.wine(self.args.reader, "activate").returncode == 0, "cannot activate")
        end = time.monotonic() + WAIT
        while (front := self.read().foreground) != "QuimbeloForm1":
            if time.monotonic() > end:
                raise Failure(f"the game window stays behind {front!r}")
            self.wine(self.args.reader, "activate")
            time.sleep(0.2)

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def wait_exit(self):
        try:
            return self.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end")


def open_about(session):
    # The help menu, then the item after the separator.
    session.keys("alt+a")
    time.sleep(0.5)
    session.keys("Down")
    time.sleep(0.3)
    session.keys("Return")
    return session.wait_for("the About window", lambda s: s.shows("about"))


def play(session):
    session.prepare()
    session.start()
    screen = session.wait_for("the splash", lambda s: s.shows("splash"), timeout=60)
    print(f"splash on screen {time.monotonic() - session.started:.2f} s after start")
    check(screen.windows["splash"]["text"] == "", "the splash has a caption")
    check(screen.text("lblVersion", "splash") == "Versión 2.0.0", "the splash's version")
    session.screenshot("splash", screen.windows["splash"]["rect"])

    # A character key hands over at once.
    shown = time.monotonic()
    session.keys("space")
    screen = session.wait_for("the game window",
                              lambda s: s.shows("game") and not s.shows("splash"))
    print(f"game window {time.monotonic() - shown:.2f} s after the key")
    game = screen.windows["game"]
    check(game["text"] == GAME_TITLE, f"title {game['text']!r}")
    check(screen.text("Label11") == "1", "games counter")
    check(screen.text("Pelicula1") == "----", "masked word")
    check(screen.text("Label7") == "4", "letter count")
    session.screenshot("game-window", game["rect"])

    # A round played to its report with the keyboard, "ñ" included.
    session.keys("p", "a", "ntilde")
    screen = session.wait_for("three letters", lambda s: s.text("Label4") == "3")
    check(screen.text("Pelicula1") == "PAÑ-", f"display {screen.text('Pelicula1')!r}")
    session.keys("o")
    screen = session.wait_for("the report", lambda s: s.boxes)
    box = screen.boxes[0]
    check(box["text"] == "Quimbelo", f"box title {box['text']!r}")
    check(box["message"] == "Correcto\nLa solución era: \n PAÑO \nNumero de intentos: 4\n"
          "Numero de fallos: 0", f"report {box['message']!r}")
    check(box["buttons"] == ["Aceptar"], f"report buttons {box['buttons']}")
    session.screenshot("report", box["rect"])
    session.keys("Return")
    screen = session.wait_for("the question",
                              lambda s: s.boxes and s.boxes[0]["message"].startswith("¿"))
    check(screen.boxes[0]["buttons"] == ["&Sí", "&No"], f"buttons {screen.boxes[0]['buttons']}")
    session.keys("Return")  # "Sí" is the default
    screen = session.wait_for("the next round",
                              lambda s: not s.boxes and s.text("Label11") == "2")
    check(screen.text("Label6") == "1", "words guessed")
    check(screen.text("Pelicula1") == "----", "the next word")

    # The help file in Notepad, by its full path, the folder's name whole.
    session.keys("alt+a", "l")
    session.wait_recorded("the help file", "leeme.txt")
    help_line, show = [line for line in session.recorded() if "leeme.txt" in line][0].split("\t")
    expected = '"C:\\' + FOLDER + '\\leeme.txt"'
    check(show == "show=3", f"Notepad is not asked to show maximised: {show}")
    check(help_line.lower().startswith('"c:\\windows\\system32\\notepad.exe" '),
          f"Notepad's command line {help_line!r}")
    check(help_line.endswith(" " + expected), f"Notepad's command line {help_line!r}")

    # The author's mail link, through the shell.
    session.activate()
    screen = session.read()
    session.click(screen.controls["game"]["Image2"]["rect"])
    session.wait_recorded("the mail link", "mailto:autor@quimbelo.example")

    session.activate()

    # The About window, modal over the game window.
    screen = open_about(session)
    about = screen.windows["about"]
    check(about["text"] == "Acerca de Quimbelo", f"About title {about['text']!r}")
    check(screen.text("lblVersion", "about") == "Versión 2.0.0", "About version")
    check(not screen.windows["game"]["enabled"], "the game window takes input under About")
    session.screenshot("about", about["rect"])
    session.keys("Escape")
    session.wait_for("About to close",
                     lambda s: not s.shows("about") and s.windows["game"]["enabled"])

    # Ctrl+S ends the program at once, with status 0.
    session.keys("ctrl+s")
    status = session.wait_exit()
    check(status == 0, f"exit status {status}")
    print("opened:", *session.recorded(), sep="\n  ")


def hidpi(session):
    session.registry("HKCU\\Control Panel\\Desktop", "LogPixels", "REG_DWORD", "192")
    session.restart_wine()
    try:
        session.prepare()
        session.start()
        screen = session.wait_for("the splash", lambda s: s.shows("splash"), timeout=60)
        # The whole screen first, to show what was there when the check fails: the splash
        # closes by itself before a failure's screenshot.
        session.screenshot("splash-200-screen")
        # 6285 x 4305 twips at 192 dots per inch.
        check(screen.windows["splash"]["client"] == "838x574",
              f"splash client {screen.windows['splash']['client']}")
        session.screenshot("splash-200", screen.windows["splash"]["rect"])
        session.keys("Return")
        screen = session.wait_for("the game window", lambda s: s.shows("game"))
        # The run-time client area, 5625 x 5835 twips.
        check(screen.windows["game"]["client"] == "750x778",
              f"game client {screen.windows['game']['client']}")
        session.screenshot("game-window-200", screen.windows["game"]["rect"])
        screen = open_about(session)
        check(screen.windows["about"]["client"] == "528x420",
              f"About client {screen.windows['about']['client']}")
        session.screenshot("about-200", screen.windows["about"]["rect"])
        session.keys("Escape")
        session.wait_for("About to close", lambda s: not s.shows("about"))
        session.keys("ctrl+s")
        check(session.wait_exit() == 0, "exit status")
    finally:
        session.stop()
        session.registry("HKCU\\Control Panel\\Desktop", "LogPixels", "REG_DWORD", "96")
        session.restart_wine()


SCENARIOS = {"play": play, "hidpi": hidpi}


def main():
    # The release packages' scenarios share this driver.
    from packages_e2e import SCENARIOS as PACKAGE_SCENARIOS

    scenarios = {**SCENARIOS, **PACKAGE_SCENARIOS}
    parser = argparse.ArgumentParser()
    for option in ("wine", "state", "program", "reader", "recorder", "source", "artefacts"):
        parser.add_argument("--" + option, required=True)
    for option in ("shortcut", "zip", "setup"):
        parser.add_argument("--" + option)
    parser.add_argument("scenario", choices=scenarios)
    args = parser.parse_args()
    session = Session(args)
    try:
        scenarios[args.scenario](session)
    except Exception:
        traceback.print_exc()
        try:
            session.screenshot("failure")
        except Exception:
            pass
        session.stop()
        return 1
    session.stop()
    print(f"{args.scenario}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
