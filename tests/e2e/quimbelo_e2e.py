#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""End-to-end tests of the built quimbelo program.

Each scenario copies the program into a scratch folder beside small word lists, starts
it there under a private X server, message bus and accessibility bus, plays it with
real X key and mouse events (xdotool, through XTEST) and reads what the window shows
through AT-SPI, the way a screen reader would. Screenshots of the important moments are
kept in the artefacts folder.

    quimbelo_e2e.py --program BIN --source SRC --artefacts DIR SCENARIO

Needs Debian's python3 with python3-pyatspi, xvfb, xdotool, imagemagick, x11-utils,
dbus, at-spi2-core and openbox.
"""

import argparse
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import traceback

GAME_TITLE = "Quimbelo  2.0 Brundel .. Especial Tornelas"
BOX_TITLE = "Quimbelo"
ABOUT_TITLE = "Acerca de Quimbelo"
# The designed 419 x 287 client area inside a raised dialog frame 3 pixels wide.
SPLASH_SIZE = (419 + 6, 287 + 6)
SCREEN = (1024, 768)
# A screen smaller than the game window (375 x 407 with its menu bar), framed by a window
# manager; the program is started this many times there, the splash handing over at
# different moments of the game window's preparation.
SMALL_SCREEN = (320, 240)
SMALL_SCREEN_STARTS = 8

# Where the player sees each counter, relative to the top left corner of the game
# window's client area (below the menu bar), in pixels.
COUNTER_PLACES = {
    "Pelicula1": (0, 8),    # the masked word
    "Label7": (64, 88),     # number of letters
    "Label4": (64, 312),    # tries
    "Label5": (152, 312),   # failures
    "Label6": (240, 320),   # words guessed
    "Label11": (328, 320),  # games
}

# The on-screen keyboard, in the order the window lays it out.
LETTER_KEYS = list("QWERTYUIOPASDFGHJKLÑZXCVBNM7894561230")

POLL = 0.05          # seconds between two looks at the screen
WAIT = 8.0           # the longest anything the player does may take to show
SCENARIO_LIMIT = 55  # seconds a whole scenario may run


class Failure(Exception):
    pass


STARTED = time.monotonic()


def note(message):
    """A line of the scenario's progress, timed, for the test's output."""
    print(f"[{time.monotonic() - STARTED:6.2f} s] {message}", flush=True)


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")


def word_list(*items):
    """A word list as the game's lists are written: Windows-1252, CR LF."""
    return b"".join(item.encode("cp1252") + b"\r\n" for item in items)


def program_version(source):
    with open(os.path.join(source, "CMakeLists.txt"), encoding="utf-8") as cmake:
        match = re.search(r"project\(\s*Quimbelo\s+VERSION\s+([0-9.]+)", cmake.read())
    if match is None:
        raise Failure("no project version in CMakeLists.txt")
    return match.group(1)


def group_members(group):
    """The processes still running (not zombies) in a process group."""
    members = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[3]) == group and fields[0] != "Z":
            members.append(int(entry))
    return members


def stop_group(process):
    """Stops a process we started in a process group of its own, and whatever it started
    there (the accessibility registry leaves its parent but stays in the group)."""
    if process is None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            pass
        try:
            process.wait(timeout=3)
        except subprocess.TimeoutExpired:
            continue
        deadline = time.monotonic() + 2
        while group_members(process.pid) and time.monotonic() < deadline:
            time.sleep(0.02)
        if not group_members(process.pid):
            return


class Desktop:
    """A private X server, D-Bus message bus and accessibility bus."""

    def __init__(self, artefacts, program, screen=SCREEN, window_manager=None):
        self.artefacts = artefacts
        self.program = program
        self.screen = screen
        self.window_manager = window_manager
        self.processes = []
        self.logs = []
        self.runtime = tempfile.mkdtemp(prefix="quimbelo-e2e-run-")
        os.chmod(self.runtime, 0o700)
        self.shots = 0
        self.env = None
        self.atspi = None

    def log(self, name):
        """A log file in the artefacts folder, for the output of a process we start."""
        log = open(os.path.join(self.artefacts, name), "ab")
        self.logs.append(log)
        return log

    def start(self):
        # Xvfb picks a free display itself and writes its number to the pipe.
        screen = self.screen
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{screen[0]}x{screen[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=self.log("xvfb.log"),
            start_new_session=True)
        self.processes.append(xvfb)
        os.close(write_end)
        display = self._read_line(read_end, xvfb, "Xvfb")
        os.close(read_end)

        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "WAYLAND_", "DBUS_", "AT_SPI", "XDG_SESSION"))}
        env.update(DISPLAY=f":{display}", XDG_RUNTIME_DIR=self.runtime)
        self.env = env
        if self.window_manager:
            self._start_window_manager()

        dbus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                env=env, stdout=subprocess.PIPE, stderr=self.log("dbus.log"),
                                start_new_session=True)
        self.processes.append(dbus)
        env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(dbus.stdout.fileno(), dbus, "dbus-daemon")

        bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                               env=env, stdout=subprocess.DEVNULL, stderr=self.log("atspi.log"),
                               start_new_session=True)
        self.processes.append(bus)
        self.env = env

        # The AT-SPI client library finds the buses through the environment it starts in.
        os.environ.update(env)
        try:
            import pyatspi
        except ImportError:
            raise Failure(f"{sys.executable} has no pyatspi module: install python3-pyatspi "
                          "(tools/setup-debian.sh test) or set QUIMBELO_E2E_PYTHON")
        self.atspi = pyatspi
        wait_for("the accessibility bus", lambda: self._bus_ready(), timeout=10)

    def _start_window_manager(self):
        """Starts the window manager and waits until it manages the screen: a window mapped
        before then is left unframed, or never framed at all."""
        # A window manager that cannot connect gives up at once: the server answers first.
        wait_for("the X server answering", lambda: subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, timeout=10,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0, timeout=10)
        manager = subprocess.Popen([self.window_manager, "--sm-disable"], env=self.env,
                                   stdout=self.log("window-manager.log"), stderr=subprocess.STDOUT,
                                   start_new_session=True)
        self.processes.append(manager)

        def managing():
            if manager.poll() is not None:
                raise Failure(f"{self.window_manager} ended with status {manager.returncode}")
            check_window = self._property("-root", "_NET_SUPPORTING_WM_CHECK")
            # The window named there names itself the same way once the manager is up.
            return check_window and self._property(
                "-id", check_window.split()[-1], "_NET_SUPPORTING_WM_CHECK") == check_window
        wait_for(f"{self.window_manager} managing the screen", managing, timeout=10)

    def _property(self, *arguments):
        """The value of a window property as xprop prints it, or None when it is not set."""
        result = subprocess.run(["xprop", *arguments], env=self.env, timeout=10,
                                capture_output=True, text=True)
        line = result.stdout.strip()
        if result.returncode != 0 or "=" not in line and ":" not in line or "not found" in line:
            return None
        return line.split("=", 1)[1].strip() if "=" in line else line.split(":", 1)[1].strip()

    def frame(self, window):
        """(x, y, width, height) of the frame the window manager put around a window, from
        the window's place on the screen and the frame extents the manager sets on it;
        None while it is not framed yet."""
        if self._property("-id", window, "WM_STATE") is None:
            return None
        extents = self._property("-id", window, "_NET_FRAME_EXTENTS")
        if extents is None:
            return None
        left, right, top, bottom = (int(value) for value in extents.split(","))
        info = subprocess.run(["xwininfo", "-id", window], env=self.env, timeout=10,
                              capture_output=True, text=True).stdout
        fields = dict(re.findall(r"^\s*(Absolute upper-left [XY]|Width|Height):\s+(-?\d+)$",
                                 info, re.MULTILINE))
        if len(fields) != 4:
            return None  # gone in between
        return (int(fields["Absolute upper-left X"]) - left, int(fields["Absolute upper-left Y"]) - top,
                int(fields["Width"]) + left + right, int(fields["Height"]) + top + bottom)

    def _bus_ready(self):
        self.atspi.Registry.getDesktop(0).childCount
        return True

    @staticmethod
    def _read_line(fd, process, name):
        deadline = time.monotonic() + 10
        data = b""
        while not data.endswith(b"\n"):
            ready, _, _ = select.select([fd], [], [], 0.1)
            if time.monotonic() > deadline or (not ready and process.poll() is not None):
                raise Failure(f"{name} did not start")
            if not ready:
                continue
            chunk = os.read(fd, 1)
            if not chunk:
                raise Failure(f"{name} did not start")
            data += chunk
        return data.decode().strip()

    def stop(self):
        for process in reversed(self.processes):
            stop_group(process)
        for log in self.logs:
            log.close()
        shutil.rmtree(self.runtime, ignore_errors=True)

    def screenshot(self, name):
        self.shots += 1
        path = os.path.join(self.artefacts, f"{self.shots:02d}-{name}.png")
        note(f"screenshot {os.path.basename(path)}")
        subprocess.run(["import", "-window", "root", path], env=self.env, timeout=10,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    def xdotool(self, *arguments):
        result = subprocess.run(["xdotool", *arguments], env=self.env, timeout=10,
                                capture_output=True, text=True)
        return result.stdout

    def key(self, *keys):
        note(f"key {' '.join(keys)}")
        self.xdotool("key", "--delay", "40", *keys)

    def type(self, text):
        note(f"type {text!r}")
        self.xdotool("type", "--delay", "40", text)

    def click(self, accessible):
        """A left click in the middle of a control, with the real pointer."""
        try:
            what = describe(accessible)
            x, y, width, height = extents(accessible)
        except Exception as error:
            raise Failure(f"the control to click is no longer on the screen ({type(error).__name__})")
        check(width > 0 and height > 0, f"{what} has no size on screen")
        note(f"click {what}")
        self.xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")

    def click_at(self, x, y):
        note(f"click at {x},{y}")
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def mapped_windows(self, pid):
        """(id, title, x, y, width, height) of the program's windows on the screen."""
        windows = []
        for window in self.xdotool("search", "--onlyvisible", "--pid", str(pid)).split():
            geometry = dict(line.split("=", 1) for line in
                            self.xdotool("getwindowgeometry", "--shell", window).split())
            if not geometry:
                continue  # gone in between
            windows.append((window, self.xdotool("getwindowname", window).rstrip("\n"),
                            int(geometry["X"]), int(geometry["Y"]),
                            int(geometry["WIDTH"]), int(geometry["HEIGHT"])))
        return windows

    def windows_titled(self, title):
        """Every X window with this exact title, mapped or not."""
        return self.xdotool("search", "--name", "^" + re.escape(title) + "$").split()


def wait_for(what, probe, timeout=WAIT):
    """Polls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        try:
            value = probe()
            if value:
                note(f"saw {what}")
                return value
            last = value
        except Failure:
            raise
        except Exception as error:  # the window changed under the query
            last = error
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what} (last seen: {last!r})")
        time.sleep(POLL)


def extents(accessible):
    import pyatspi
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def describe(accessible):
    return f"{accessible.getRoleName()} {accessible.name!r}"


def has_state(accessible, state):
    return accessible.getState().contains(state)


def walk(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk(child)


class Game:
    """One run of the program, started from its own folder."""

    def __init__(self, desktop, lists, name, source):
        self.desktop = desktop
        self.atspi = desktop.atspi
        self.folder = os.path.realpath(tempfile.mkdtemp(prefix=f"quimbelo-e2e-{name}-"))
        try:
            shutil.copy2(desktop.program, os.path.join(self.folder, "quimbelo"))
            leeme = os.path.join(source, "data", "leeme.txt")
            if os.path.exists(leeme):
                shutil.copy2(leeme, self.folder)
            for base, content in lists.items():
                with open(os.path.join(self.folder, base + ".TXT"), "wb") as out:
                    out.write(content)
            env = dict(desktop.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                       QT_QPA_PLATFORM="xcb")
            self.process = subprocess.Popen(["./quimbelo"], cwd=self.folder, env=env,
                                            stdout=desktop.log(f"program-{name}.log"),
                                            stderr=subprocess.STDOUT, start_new_session=True)
        except BaseException:
            shutil.rmtree(self.folder, ignore_errors=True)
            raise
        self.pid = self.process.pid

    def close(self):
        stop_group(self.process)
        shutil.rmtree(self.folder, ignore_errors=True)

    # What the program shows

    def application(self):
        for app in self.atspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def windows(self):
        app = self.application()
        return [window for window in app] if app is not None else []

    def window(self, title, showing=True):
        for window in self.windows():
            if window is not None and window.name == title and (
                    not showing or has_state(window, self.atspi.STATE_SHOWING)):
                return window
        return None

    def message_boxes(self):
        boxes = []
        for window in self.windows():
            if (window is not None and window.name == BOX_TITLE
                    and window.getRole() in (self.atspi.ROLE_ALERT, self.atspi.ROLE_DIALOG)
                    and has_state(window, self.atspi.STATE_SHOWING)):
                boxes.append(window)
        return boxes

    def message_box(self):
        """The one message box on the screen: its text, its buttons and the box itself."""
        boxes = self.message_boxes()
        if len(boxes) != 1:
            return None
        box = boxes[0]
        texts = [node.name for node in walk(box) if node.getRole() == self.atspi.ROLE_LABEL and node.name]
        buttons = [node for node in walk(box) if node.getRole() == self.atspi.ROLE_PUSH_BUTTON]
        if not texts or not buttons:
            return None
        return {"text": texts[0], "buttons": [button.name for button in buttons],
                "button": {button.name: button for button in buttons}, "box": box}

    def wait_message_box(self, what):
        return wait_for(what, self.message_box)

    def game_window(self):
        return self.window(GAME_TITLE)

    def client_area(self):
        frame = self.game_window()
        if frame is None:
            return None
        for child in frame:
            if child.getRole() == self.atspi.ROLE_FILLER:
                return child
        return None

    def counters(self):
        """The counters and the masked word, as the game window shows them."""
        client = self.client_area()
        if client is None:
            raise Failure("the game window is not on the screen")
        left, top, _, _ = extents(client)
        found = {}
        for child in client:
            if child.getRole() != self.atspi.ROLE_LABEL:
                continue
            x, y, _, _ = extents(child)
            for name, place in COUNTER_PLACES.items():
                if (x - left, y - top) == place:
                    found[name] = child.name
        missing = set(COUNTER_PLACES) - set(found)
        if missing:
            raise Failure(f"no label where {sorted(missing)} should be")
        return found

    def control(self, role, name):
        client = self.client_area()
        if client is None:
            return None
        for child in client:
            if child.getRole() == role and child.name == name:
                return child
        return None

    def enabled_keys(self):
        """Whether each key of the on-screen keyboard is enabled."""
        keys = {}
        for child in self.client_area():
            if child.getRole() == self.atspi.ROLE_PUSH_BUTTON and child.name in LETTER_KEYS:
                keys[child.name] = has_state(child, self.atspi.STATE_ENABLED)
        check_equal(sorted(keys), sorted(LETTER_KEYS), "the keys of the on-screen keyboard")
        return keys

    def solve_box(self):
        client = self.client_area()
        for child in client:
            if child.getRole() == self.atspi.ROLE_TEXT:
                return child
        raise Failure("no solve box in the game window")

    def solve_text(self):
        return self.solve_box().queryText().getText(0, -1)

    def focused_control(self):
        frame = self.game_window()
        if frame is None or not has_state(frame, self.atspi.STATE_ACTIVE):
            return None
        for node in walk(frame):
            if has_state(node, self.atspi.STATE_FOCUSED):
                return node
        return None

    def wait_counters(self, what, **expected):
        """Waits until the listed counters show the given texts, and returns them all."""
        def matches():
            shown = self.counters()
            return shown if all(shown[name] == text for name, text in expected.items()) else None
        try:
            return wait_for(what, matches)
        except Failure as failure:
            if self.process.poll() is not None:
                raise Failure(f"{what}: the program ended with status {self.process.returncode}")
            raise Failure(f"{failure}; the window shows {self.counters()}")

    def focus_back(self):
        """Gives the game window the focus back once a box over it has closed, as a window
        manager does (Xvfb runs none): the window then puts it back on its own control."""
        wait_for("the boxes closed", lambda: not self.message_boxes() and self.window(ABOUT_TITLE) is None)
        frame = self.game_window()
        if frame is not None and has_state(frame, self.atspi.STATE_ACTIVE):
            return
        note("the game window lost the focus with the box: giving it back")
        windows = [window[0] for window in self.desktop.mapped_windows(self.pid) if window[1] == GAME_TITLE]
        check(len(windows) == 1, f"{len(windows)} game windows on the screen")
        self.desktop.xdotool("windowfocus", "--sync", windows[0])
        wait_for("the game window active", lambda: has_state(self.game_window(), self.atspi.STATE_ACTIVE))

    def wait_letters_take_keys(self):
        """Waits until the game window is active with a letter key focused, ready to type."""
        def letter_focused():
            node = self.focused_control()
            return (node is not None and node.getRole() == self.atspi.ROLE_PUSH_BUTTON
                    and node.name in LETTER_KEYS)
        wait_for("the focus on a letter key of the active game window", letter_focused)

    def wait_exit(self, what, timeout=WAIT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"{what}: the program is still running after {timeout:.0f} s")

    def splash(self):
        """The splash as it stands on the screen: its X window and its texts."""
        windows = [window for window in self.desktop.mapped_windows(self.pid)
                   if (window[4], window[5]) == SPLASH_SIZE and window[1] != GAME_TITLE]
        return windows[0] if len(windows) == 1 else None

    def game_window_mapped(self):
        return any(window[1] == GAME_TITLE for window in self.desktop.mapped_windows(self.pid))

    def splash_texts(self):
        for window in self.windows():
            texts = [node.name for node in walk(window) if node.getRole() == self.atspi.ROLE_LABEL]
            if "El Quimbelo" in texts:
                return texts
        return None


class Scenarios:
    def __init__(self, desktop, source):
        self.desktop = desktop
        self.source = source
        self.games = []

    def launch(self, name, **lists):
        defaults = {"propios": word_list("niño"), "peliculas": word_list("Apolo 13"),
                    "informatica": word_list("oso"), "diccionario": word_list("casa")}
        defaults.update(lists)
        game = Game(self.desktop, defaults, name, self.source)
        self.games.append(game)
        return game

    def close(self):
        for game in self.games:
            game.close()

    def wait_splash(self, game):
        return wait_for("the splash", game.splash)

    def play(self, name, **lists):
        """Starts the program and passes its splash with a key, as a player does."""
        game = self.launch(name, **lists)
        self.wait_splash(game)
        self.desktop.key("space")
        wait_for("the game window", game.game_window)
        game.wait_letters_take_keys()
        return game

    def answer(self, game, box, button):
        self.desktop.click(box["button"][button])

    def expect_report(self, game, won, word, tries, failures):
        report = game.wait_message_box("the report of the round")
        expected = ("Correcto" if won else "Has perdido") + "\nLa solución era: \n " + word.upper() \
            + f" \nNumero de intentos: {tries}\nNumero de fallos: {failures}"
        check_equal(report["text"], expected, "the report of the round")
        check_equal(report["buttons"], ["Aceptar"], "the report's buttons")
        check_equal(game.counters()["Pelicula1"], word.upper(), "the word shown behind the report")
        return report

    def expect_question(self, game):
        def question_up():
            box = game.message_box()
            return box if box is not None and box["buttons"] != ["Aceptar"] else None
        question = wait_for("the question after the report", question_up)
        check_equal(question["text"], "¿Quieres jugar otra vez?", "the question")
        check_equal(question["buttons"], ["Sí", "No"], "the question's buttons")
        check(has_state(question["button"]["Sí"], self.desktop.atspi.STATE_IS_DEFAULT),
              "\"Sí\" is not the question's default button")
        return question

    # 1. Start

    def splash(self):
        """The splash hands over to the game window on a key, on a click on its panel,
        and by itself after three seconds; the handing key is no guess."""
        version = program_version(self.source)
        left = (SCREEN[0] - SPLASH_SIZE[0]) // 2
        top = (SCREEN[1] - SPLASH_SIZE[1]) // 2

        for how in ("key", "click", "timeout"):
            game = self.launch(how)
            window = self.wait_splash(game)
            seen = time.monotonic()
            if how == "key":
                self.desktop.key("o")  # a letter of the word, which must not be taken as a guess
            elif how == "click":
                # The grey panel, clear of the pictures and labels that lie on it.
                self.desktop.click_at(window[2] + 200, window[3] + 30)
            else:
                # Left alone, the splash gives time to look at it.
                check_equal(window[2:4], (left, top), "the splash's place")
                texts = wait_for("the splash's texts", game.splash_texts)
                check("Versión " + version in texts, f"the splash shows no \"Versión {version}\": {texts}")
                check(not game.game_window_mapped(), "the game window is up beside the splash")
                self.desktop.screenshot("splash")
            wait_for(f"the game window after the splash ({how})", game.game_window_mapped)
            shown = time.monotonic() - seen
            note(f"the game window came {shown:.2f} s after the splash was seen")
            if how == "timeout":
                self.desktop.screenshot("game-window-after-timeout")
                # The splash stays about three seconds when left alone.
                check(shown >= 2.0, f"the splash went after {shown:.1f} s by itself")
            else:
                check(shown < 2.0, f"the game window came {shown:.1f} s after the {how}, as if by the timer")
            check(game.splash() is None, f"the splash is still up after the handover ({how})")
            counters = game.wait_counters("the first round", Pelicula1="---", Label11="1")
            check_equal((counters["Label4"], counters["Label5"]), ("0", "0"),
                        "tries and failures at the start")
            if how == "key":
                game.wait_letters_take_keys()
                self.desktop.type("x")
                counters = game.wait_counters("a miss counted", Label5="1")
                check_equal((counters["Label4"], counters["Pelicula1"]), ("1", "---"),
                            "tries and word after the key that closed the splash and one miss")
            self.desktop.key("ctrl+s")
            check_equal(game.wait_exit("Ctrl+S"), 0, "exit status")

    # 2. A round won with typed letters, and another begun

    def won_by_letters(self):
        game = self.play("won")
        counters = game.counters()
        check_equal(counters, {"Pelicula1": "---", "Label7": "3", "Label4": "0", "Label5": "0",
                               "Label6": "0", "Label11": "1"}, "the window at the start")
        check(all(game.enabled_keys().values()), "a letter key is disabled at the start")
        check_equal(game.focused_control().name, "Q", "the key with the focus at the start")

        self.desktop.type("x")
        game.wait_counters("a miss", Label4="1", Label5="1", Pelicula1="---")
        self.desktop.type("O")  # a capital hits as well
        game.wait_counters("a hit", Label4="2", Label5="1", Pelicula1="O-O")
        keys = game.enabled_keys()
        check_equal(sorted(key for key, enabled in keys.items() if not enabled), ["O", "X"],
                    "the keys disabled after two guesses")
        self.desktop.screenshot("two-guesses")

        self.desktop.type("s")
        report = self.expect_report(game, won=True, word="oso", tries=3, failures=1)
        self.desktop.screenshot("won-report")
        self.answer(game, report, "Aceptar")

        question = self.expect_question(game)
        check_equal(game.counters()["Label6"], "1", "words guessed while the question is up")
        self.desktop.screenshot("play-again")
        # Esc does not answer the question. Tab, which moves the focus to "No", shows
        # when the key before it has been dealt with.
        self.desktop.key("Escape", "Tab")

        def no_focused():
            box = game.message_box()
            if box is None and not game.message_boxes():
                raise Failure("the question went away on Esc")
            return box is not None and has_state(box["button"]["No"], game.atspi.STATE_FOCUSED)
        wait_for("the focus on \"No\" after Esc and Tab", no_focused)
        check_equal(game.message_box()["text"], "¿Quieres jugar otra vez?", "the box after Esc")
        self.answer(game, question, "Sí")

        game.wait_counters("the second round", Label11="2")
        wait_for("the boxes closed", lambda: not game.message_boxes())
        check_equal(game.counters(), {"Pelicula1": "---", "Label7": "3", "Label4": "0", "Label5": "0",
                                      "Label6": "1", "Label11": "2"}, "the window in the second round")
        check(all(game.enabled_keys().values()), "a letter key stays disabled in the new round")
        self.desktop.screenshot("second-round")
        game.focus_back()
        game.wait_letters_take_keys()
        self.desktop.type("s")
        game.wait_counters("a hit in the second round", Pelicula1="-S-", Label4="1")
        self.desktop.key("ctrl+s")
        check_equal(game.wait_exit("Ctrl+S"), 0, "exit status")

    # 3. A round lost by eleven misses, and no more

    def lost_then_no(self):
        game = self.play("lost")
        # The last letter key, clicked: the focus it takes must stay on the letters once
        # the key is disabled, for the typed misses after it to be guesses.
        client = game.client_area()
        self.desktop.click(next(child for child in client
                                if child.getRole() == game.atspi.ROLE_PUSH_BUTTON and child.name == "M"))
        game.wait_counters("a clicked miss", Label4="1", Label5="1")
        check(not game.enabled_keys()["M"], "the M key is still enabled after its guess")
        game.wait_letters_take_keys()
        self.desktop.type("qwertyuip")
        game.wait_counters("ten misses", Label4="10", Label5="10", Pelicula1="---")
        check(not game.message_boxes(), "a message box after ten misses")
        self.desktop.screenshot("ten-misses")

        self.desktop.type("a")
        report = self.expect_report(game, won=False, word="oso", tries=11, failures=10)
        self.desktop.screenshot("lost-report")
        self.desktop.key("Return")  # "Aceptar" is the default

        question = self.expect_question(game)
        self.answer(game, question, "No")
        check_equal(game.wait_exit("answering No"), 0, "exit status after No")

    # 4. The word typed into the solve box

    def solve(self):
        game = self.play("solve")
        accept = game.control(game.atspi.ROLE_PUSH_BUTTON, "Aceptar")
        check(accept is not None, "no \"Aceptar\" button in the game window")

        self.desktop.click(game.solve_box())
        wait_for("the focus in the solve box", lambda: has_state(game.solve_box(), game.atspi.STATE_FOCUSED))
        self.desktop.type("osa")
        wait_for("the typed text", lambda: game.solve_text() == "osa")
        check_equal(game.counters()["Label4"], "0", "tries after typing into the solve box")
        check_equal(game.counters()["Pelicula1"], "---", "the word after typing into the solve box")
        self.desktop.click(accept)
        wrong = game.wait_message_box("the answer to a wrong solution")
        check_equal(wrong["text"], "No es correcto", "the answer to a wrong solution")
        check_equal(wrong["buttons"], ["Aceptar"], "its buttons")
        check_equal(game.solve_text(), "OSA", "the solve box while the answer is up")
        self.desktop.screenshot("not-correct")
        self.desktop.key("Return")
        wait_for("the answer closed", lambda: not game.message_boxes())
        game.wait_counters("a wrong solution counted", Label4="1", Label5="1", Pelicula1="---")
        check_equal(game.solve_text(), "", "the solve box after a wrong solution")

        self.desktop.click(game.solve_box())
        wait_for("the focus in the solve box", lambda: has_state(game.solve_box(), game.atspi.STATE_FOCUSED))
        self.desktop.type("oso")
        wait_for("the typed text", lambda: game.solve_text() == "oso")
        self.desktop.screenshot("solution-typed")
        self.desktop.click(accept)
        report = self.expect_report(game, won=True, word="oso", tries=2, failures=1)
        self.answer(game, report, "Aceptar")
        question = self.expect_question(game)
        check_equal(game.counters()["Label6"], "1", "words guessed after the solution")
        self.answer(game, question, "No")
        check_equal(game.wait_exit("answering No"), 0, "exit status after No")

    # 5-7. F2, the About window, Ctrl+S

    def menus_and_shortcuts(self):
        version = program_version(self.source)
        game = self.play("menus")
        self.desktop.type("z")
        game.wait_counters("a miss", Label4="1", Label5="1")
        check(not game.enabled_keys()["Z"], "the Z key is still enabled after its guess")

        self.desktop.key("F2")
        before = game.wait_counters("a new round on F2", Label11="2", Label4="0", Label5="0",
                                    Pelicula1="---", Label6="0")
        check(all(game.enabled_keys().values()), "a letter key stays disabled after F2")
        keys = game.enabled_keys()

        # F2 held down starts one round, not one for each of its repeats (some twenty in
        # that time).
        self.desktop.xdotool("keydown", "F2")
        time.sleep(1.5)
        self.desktop.xdotool("keyup", "F2")
        time.sleep(0.5)
        before = game.wait_counters("one new round on a held F2", Label11="3", Label4="0",
                                    Label5="0", Pelicula1="---", Label6="0")

        def about_window():
            window = game.window(ABOUT_TITLE)
            if window is None:
                return None
            return window, [node.name for node in walk(window) if node.getRole() == game.atspi.ROLE_LABEL]

        def about_active():
            return has_state(game.window(ABOUT_TITLE), game.atspi.STATE_ACTIVE)

        def about_closed(how):
            wait_for(f"the About window closed ({how})", lambda: game.window(ABOUT_TITLE) is None)
            check_equal(game.counters(), before, f"the game window after the About window ({how})")
            check_equal(game.enabled_keys(), keys, f"the letter keys after the About window ({how})")

        # With the mouse, through the menu bar; closed with Esc.
        menu_bar = wait_for("the menu bar", lambda: next(
            (child for child in game.game_window() if child.getRole() == game.atspi.ROLE_MENU_BAR), None))
        help_menu = next(item for item in menu_bar if item.name == "Ayuda")
        self.desktop.click(help_menu)
        item = wait_for("the Ayuda menu open", lambda: next(
            (node for node in walk(help_menu) if node.name == "Acerca de Quimelo 2.0"
             and has_state(node, game.atspi.STATE_SHOWING) and extents(node)[2] > 0), None))
        self.desktop.screenshot("help-menu")
        self.desktop.click(item)
        window, texts = wait_for("the About window", about_window)
        check("Versión " + version in texts, f"the About window shows no \"Versión {version}\": {texts}")
        check(any(node.name == "Aceptar" for node in walk(window)), "the About window has no \"Aceptar\"")
        self.desktop.screenshot("about")
        wait_for("the About window active", about_active)
        self.desktop.key("Escape")
        about_closed("Esc")

        # With the keyboard: Alt+A, the second item; closed with Enter.
        game.focus_back()
        game.wait_letters_take_keys()
        self.desktop.key("alt+a")
        wait_for("the Ayuda menu open", lambda: any(
            has_state(node, game.atspi.STATE_SHOWING) and extents(node)[2] > 0
            for node in walk(help_menu) if node.name == "Acerca de Quimelo 2.0"))
        self.desktop.key("Down", "Return")
        wait_for("the About window", about_window)
        wait_for("the About window active", about_active)
        self.desktop.key("Return")
        about_closed("Enter")

        # The letters still take typed keys.
        game.focus_back()
        game.wait_letters_take_keys()
        self.desktop.type("o")
        game.wait_counters("a hit after the About window", Pelicula1="O-O", Label4="1")

        self.desktop.key("ctrl+s")
        check_equal(game.wait_exit("Ctrl+S"), 0, "exit status after Ctrl+S")

    # 8. An empty first list

    def empty_list(self):
        game = self.launch("empty", informatica=b"")
        seen_game_window = threading.Event()
        watching = threading.Event()
        watching.set()

        def watch():
            while watching.is_set() and game.process.poll() is None:
                if self.desktop.windows_titled(GAME_TITLE):
                    seen_game_window.set()
                time.sleep(POLL)

        watcher = threading.Thread(target=watch, daemon=True)
        watcher.start()
        try:
            self.wait_splash(game)
            self.desktop.key("space")
            box = game.wait_message_box("the message about the empty list")
            path = os.path.join(game.folder, "informatica.TXT")
            check_equal(box["text"], "La lista de palabras está vacía:\n" + path
                        + "\n\nEl juego no puede continuar y se cerrará.", "the message")
            check_equal(box["buttons"], ["Aceptar"], "the message's buttons")
            check(game.window(GAME_TITLE, showing=False) is None, "the program has a game window")
            self.desktop.screenshot("empty-list")
            self.answer(game, box, "Aceptar")
            status = game.wait_exit("answering the message")
        finally:
            watching.clear()
            watcher.join(timeout=5)
        check(status != 0, "the program ended with status 0 after failing to start")
        check(not seen_game_window.is_set(), "a game window appeared")


    # 1. Start, on a screen too small for the game window

    def small_screen(self):
        """On a screen smaller than the game window, under a window manager that frames
        it, the window opens with its frame at the screen's top left corner, start after
        start: its title bar and menus stay within reach. The splash hands over as soon
        as it is up in some starts, while the game window is still being prepared, and
        once it is prepared in the others."""
        for start in range(SMALL_SCREEN_STARTS):
            game = self.launch(f"start{start}")
            self.wait_splash(game)
            if start % 2:
                time.sleep(0.5)
            self.desktop.key("space")
            window = wait_for("the game window", lambda: next(
                (window[0] for window in self.desktop.mapped_windows(game.pid)
                 if window[1] == GAME_TITLE), None))
            frame = wait_for("the game window framed by the window manager, and still", lambda: self._settled_frame(window))
            note(f"start {start + 1}: the game window's frame is {frame[2]}x{frame[3]} at {frame[0]},{frame[1]}")
            if start == 0:
                self.desktop.screenshot("small-screen")
            check(frame[0] >= 0 and frame[1] >= 0,
                  f"start {start + 1}: the title bar is off the screen, the frame at {frame[0]},{frame[1]}")
            check_equal(frame[:2], (0, 0), f"start {start + 1}: the frame's place")
            check(frame[2] > SMALL_SCREEN[0] and frame[3] > SMALL_SCREEN[1],
                  f"start {start + 1}: a {frame[2]}x{frame[3]} frame fits the screen: nothing was tried")
            game.close()

    def _settled_frame(self, window):
        """The window's frame once it has stayed put for a few looks: a window moved back
        on screen after it was framed counts where it ends."""
        frames = []
        for _ in range(6):
            frames.append(self.desktop.frame(window))
            time.sleep(POLL)
        return frames[0] if frames[0] is not None and len(set(frames)) == 1 else None

    # 7. What a screen reader hears

    def accessibility(self):
        """Every control a player uses says what it shows, with its context, through
        the desktop's accessibility bus."""
        game = self.play("accessibility")
        atspi = game.atspi
        client = game.client_area()

        described = {child.description: child.name for child in client
                     if child.getRole() == atspi.ROLE_LABEL and child.description}
        for context, shown in (("Intentos", "0"), ("Errores", "0"), ("Palabras acertadas", "0"),
                               ("Nº de juegos", "1"), ("Nº de letras", "3"),
                               ("Palabra oculta de 3 caracteres", "---")):
            check_equal(described.get(context), shown, f"the label described as {context!r}")

        def gallows():
            return next((child for child in client if child.getRole() == atspi.ROLE_IMAGE
                         and child.name.startswith("Horca")), None)
        check(gallows() is not None, "no gallows picture named for its stage")
        check_equal(gallows().name, "Horca: 0 de 10", "the gallows picture's name")
        enye = game.control(atspi.ROLE_PUSH_BUTTON, "Ñ")
        check(enye is not None, "no letter key named \"Ñ\"")
        check_equal(enye.description, "Tecla disponible", "an untried key's description")
        check_equal(game.solve_box().name, "Solucion", "the solve box's name")

        self.desktop.type("z")
        wait_for("the gallows to be named for stage 1", lambda: gallows().name == "Horca: 1 de 10" or None)
        tried = game.control(atspi.ROLE_PUSH_BUTTON, "Z")
        check(not has_state(tried, atspi.STATE_ENABLED), "the tried key still says it is enabled")
        check_equal(tried.description, "Tecla ya probada", "a tried key's description")
        self.desktop.screenshot("after-a-miss")

        self.desktop.key("ctrl+s")
        check_equal(game.wait_exit("Ctrl+S"), 0, "exit status after Ctrl+S")


SCENARIOS = {
    "splash": Scenarios.splash,
    "won_by_letters": Scenarios.won_by_letters,
    "lost_then_no": Scenarios.lost_then_no,
    "solve": Scenarios.solve,
    "menus_and_shortcuts": Scenarios.menus_and_shortcuts,
    "empty_list": Scenarios.empty_list,
    "accessibility": Scenarios.accessibility,
    "small_screen": Scenarios.small_screen,
}

# The desktops that differ from the plain one, with no window manager, at SCREEN.
DESKTOPS = {
    "small_screen": {"screen": SMALL_SCREEN, "window_manager": "openbox"},
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--artefacts", required=True)
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    args = parser.parse_args()

    desktop_options = DESKTOPS.get(args.scenario, {})
    tools = ["Xvfb", "xdotool", "import", "xprop", "xwininfo", "dbus-daemon"]
    if desktop_options.get("window_manager"):
        tools.append(desktop_options["window_manager"])
    for tool in tools:
        if shutil.which(tool) is None:
            print(f"{tool} is missing: run tools/setup-debian.sh test", file=sys.stderr)
            return 1
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        print("at-spi2-core is missing: run tools/setup-debian.sh test", file=sys.stderr)
        return 1

    shutil.rmtree(args.artefacts, ignore_errors=True)
    os.makedirs(args.artefacts)

    def give_up(signum, _frame):
        if signum == signal.SIGALRM:
            raise Failure(f"the scenario took longer than {SCENARIO_LIMIT} s")
        raise Failure(f"stopped by signal {signum}")
    signal.signal(signal.SIGTERM, give_up)
    signal.signal(signal.SIGALRM, give_up)
    signal.alarm(SCENARIO_LIMIT)

    desktop = Desktop(args.artefacts, os.path.abspath(args.program), **desktop_options)
    scenarios = Scenarios(desktop, os.path.abspath(args.source))
    started = time.monotonic()
    try:
        desktop.start()
        SCENARIOS[args.scenario](scenarios)
    except Exception as error:
        try:
            print("screenshot at failure:", desktop.screenshot("failure"), file=sys.stderr)
        except Exception:
            pass
        if not isinstance(error, Failure):
            traceback.print_exc()
            error = f"{type(error).__name__}: {error}"
        print(f"FAIL {args.scenario}: {error}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        scenarios.close()
        desktop.stop()
    print(f"PASS {args.scenario} in {time.monotonic() - started:.1f} s; screenshots in {args.artefacts}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
