# SPDX-License-Identifier: MIT
"""Orca, the desktop's screen reader, speaking beside a program under test: what it says is
read back from its debug log as the player would hear it.

Orca runs on the private desktop of quimbelo_e2e.Desktop (its X server, message bus and
accessibility bus) in Spanish, with a home of its own, and speaks through speech-dispatcher
and espeak-ng into an ALSA device that throws the sound away. Orca writes every utterance to
its debug log as a "SPEECH OUTPUT" entry; the log is a pseudo-terminal here, which Orca's
output stream writes line by line, so an utterance can be read as soon as it is spoken.

    orca = Orca(desktop, folder)
    orca.start()                     # OrcaUnavailable when Orca cannot start here
    spoken = orca.after(lambda: desktop.key("a"))
    orca.stop()
"""

import ast
import os
import pty
import re
import shutil
import subprocess
import threading
import time
import tty

LOCALE = "es_ES.UTF-8"
# How long Orca may take to come up on a loaded machine, and to say what an action causes.
# A key reaches a Qt program only once Orca has looked at it, or once Qt has given up
# waiting for Orca's answer: a busy Orca delays keys by seconds.
START_LIMIT = 30.0
SPEAK_LIMIT = 35.0
# Silence after the last utterance that ends what an action made Orca say.
QUIET = 1.5

# A line of the log begins with its time; an utterance that holds line breaks goes on in
# lines indented to that time's width.
_ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d{6} - ")
_CONTINUED = " " * 18


class OrcaUnavailable(Exception):
    """Orca, or what it needs to speak, cannot start on this machine."""


def missing_tools():
    """What this machine lacks for Orca to speak, as Debian package names."""
    missing = []
    for tool, package in (("orca", "orca"), ("speech-dispatcher", "speech-dispatcher"),
                          ("espeak-ng", "espeak-ng"), ("localedef", "libc-bin")):
        if shutil.which(tool) is None:
            missing.append(package)
    if not os.path.isdir("/usr/share/i18n/locales") or not os.path.exists(
            "/usr/share/i18n/locales/es_ES"):
        missing.append("locales")
    return missing


def parse_utterance(entry):
    """The text of a "SPEECH OUTPUT" entry, or None for another entry.

    Orca writes SPEECH OUTPUT: 'TEXT' then, for a voice other than the default one,
    voice=NAME, then its voice's settings as a Python dictionary (absent in some
    versions); the text may hold quotes of its own."""
    start = entry.find("SPEECH OUTPUT: '")
    if start < 0:
        return None
    body = entry[start + len("SPEECH OUTPUT: '"):]
    for end in (match.start() for match in re.finditer("'", body)):
        rest = re.sub(r"^ voice=\S+", "", body[end + 1:]).strip()
        if not rest:
            return body[:end]
        if rest.startswith("{"):
            try:
                ast.literal_eval(rest)
            except (ValueError, SyntaxError):
                continue
            return body[:end]
    return None


class OrcaLog:
    """Orca's debug log as it is written: whole entries, and the utterances among them."""

    def __init__(self, copy_path):
        self._lock = threading.Lock()
        self._changed = threading.Condition(self._lock)
        self._entries = []
        self._spoken = []   # (time it was read, text)
        self._pending = ""  # an entry whose end has not come yet
        self._partial = b""
        self._copy = open(copy_path, "w", encoding="utf-8")

    def feed(self, data):
        text = (self._partial + data).decode("utf-8", errors="replace")
        complete, _, rest = text.rpartition("\n")
        self._partial = rest.encode("utf-8")
        if not complete and not _:
            return
        with self._lock:
            self._copy.write(complete + "\n")
            self._copy.flush()
            for line in complete.split("\n"):
                self._line(line)
            # An entry ends when the next one begins; the last one that looks whole
            # (its closing quote and settings read) is taken now rather than then.
            self._close_pending(finished=False)
            self._changed.notify_all()

    def _line(self, line):
        line = line.rstrip("\r")
        if line.startswith(_CONTINUED) and self._pending:
            self._pending += "\n" + line[len(_CONTINUED):]
            return
        self._close_pending(finished=True)
        self._pending = line

    def _close_pending(self, finished):
        if not self._pending:
            return
        text = parse_utterance(self._pending)
        if text is None and not finished and "SPEECH OUTPUT: '" in self._pending:
            return  # more lines of it may follow
        self._entries.append(self._pending)
        if text is not None:
            self._spoken.append((time.monotonic(), text))
        self._pending = ""

    def close(self):
        with self._lock:
            self._close_pending(finished=True)
            self._copy.close()

    def count(self):
        with self._lock:
            return len(self._spoken)

    def spoken(self, since=0):
        with self._lock:
            return [text for _, text in self._spoken[since:]]

    def contains(self, pattern):
        with self._lock:
            return any(re.search(pattern, entry) for entry in self._entries) or bool(
                self._pending and re.search(pattern, self._pending))

    def wait(self, timeout):
        with self._lock:
            self._changed.wait(timeout)

    def last_spoken_at(self):
        with self._lock:
            return self._spoken[-1][0] if self._spoken else None


class Orca:
    """Orca speaking Spanish on a private desktop, and what it said."""

    def __init__(self, desktop, folder):
        self.desktop = desktop
        self.folder = folder
        self.home = os.path.join(folder, "home")
        self.processes = []
        self.log = None
        self._master = None
        self._slave = None
        self._reader = None
        self.env = None

    # Starting

    def start(self):
        missing = missing_tools()
        if missing:
            raise OrcaUnavailable("missing " + ", ".join(missing)
                                  + ": run tools/setup-debian.sh test")
        for sub in ("home/.config/speech-dispatcher", "home/.local/share", "home/.cache", "locale",
                    "speech-dispatcher"):
            os.makedirs(os.path.join(self.folder, sub), exist_ok=True)
        env = dict(self.desktop.env)
        for key in [key for key in env if key.startswith(("LC_", "LANG"))]:
            del env[key]
        env.update(HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                   XDG_DATA_HOME=os.path.join(self.home, ".local/share"),
                   XDG_CACHE_HOME=os.path.join(self.home, ".cache"),
                   LANG=LOCALE, LANGUAGE="es", LC_ALL=LOCALE,
                   # Orca's interface, built with GTK, needs no accessibility bridge of its own.
                   NO_AT_BRIDGE="1", GTK_A11Y="none")
        self._make_locale(env)
        self.env = env
        self._configure_sound()
        self._start_speech_dispatcher()
        self._start_orca()

    def _make_locale(self, env):
        """A Spanish UTF-8 locale: the system's when it has one, else one made here, which
        needs neither root nor a change to the system."""
        listed = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
        if any(name.lower().replace("-", "") in ("es_es.utf8",) for name in listed):
            return
        path = os.path.join(self.folder, "locale")
        made = subprocess.run(["localedef", "-i", "es_ES", "-f", "UTF-8", os.path.join(path, LOCALE)],
                              capture_output=True, text=True)
        # localedef warns (status 1) about things that do not keep the locale from working.
        if not os.path.exists(os.path.join(path, LOCALE, "LC_CTYPE")):
            raise OrcaUnavailable(f"could not make the locale {LOCALE}: {made.stderr.strip()}")
        env["LOCPATH"] = path

    def _configure_sound(self):
        """speech-dispatcher speaks through ALSA into a device that throws the sound away: the
        machine may have no sound card, and the words are read from Orca's log."""
        with open(os.path.join(self.home, ".asoundrc"), "w") as asoundrc:
            asoundrc.write('pcm.!default {\n    type null\n}\n')
        logs = os.path.join(self.folder, "speech-dispatcher")
        with open(os.path.join(self.home, ".config/speech-dispatcher/speechd.conf"), "w") as conf:
            conf.write('AudioOutputMethod "alsa"\n'
                       'DefaultModule espeak-ng\n'
                       'DefaultLanguage "es"\n'
                       f'LogDir "{logs}"\n'
                       'LogLevel 3\n')

    def socket(self):
        return os.path.join(self.env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")

    def _start_speech_dispatcher(self):
        os.makedirs(os.path.dirname(self.socket()), exist_ok=True)
        server = subprocess.Popen(
            ["speech-dispatcher", "--run-single", "--timeout", "0",
             "--communication-method", "unix_socket", "--socket-path", self.socket()],
            env=self.env, stdout=self.desktop.log("speech-dispatcher.log"), stderr=subprocess.STDOUT,
            process_group=0)
        self.processes.append(server)
        deadline = time.monotonic() + START_LIMIT
        while not os.path.exists(self.socket()):
            if server.poll() is not None:
                raise OrcaUnavailable(f"speech-dispatcher ended with status {server.returncode}: "
                                      f"see {self.desktop.artefacts}/speech-dispatcher.log")
            if time.monotonic() > deadline:
                raise OrcaUnavailable("speech-dispatcher did not open its socket")
            time.sleep(0.05)

    def _start_orca(self):
        # Orca's log is a pseudo-terminal: written to a terminal, Python's output streams
        # are line-buffered, where to a file they hold back up to 8 KiB.
        # The terminal is kept open here too: a terminal that no one holds open reads as
        # ended before Orca has opened it.
        master, slave = pty.openpty()
        tty.setraw(slave)
        self._master, self._slave = master, slave
        self.log = OrcaLog(os.path.join(self.desktop.artefacts, "orca-debug.log"))
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        orca = subprocess.Popen(
            ["orca", "--debug-file", os.ttyname(slave)], env=self.env,
            stdout=self.desktop.log("orca.log"), stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
            process_group=0)
        self.processes.append(orca)
        deadline = time.monotonic() + START_LIMIT
        # Orca 43 and Orca 48 say so in their own words.
        while not self.log.contains(r"ORCA: Starting (registry|Atspi main event loop)"):
            if orca.poll() is not None:
                output = open(os.path.join(self.desktop.artefacts, "orca.log"),
                              errors="replace").read().strip()
                raise OrcaUnavailable(f"orca ended with status {orca.returncode}: {output[-400:]}")
            if time.monotonic() > deadline:
                raise OrcaUnavailable(f"orca did not start within {START_LIMIT:.0f} s")
            self.log.wait(0.1)
        # Orca greets the player once it listens.
        self.until(lambda spoken: spoken, since=0, what="Orca's greeting")

    def _read(self):
        while True:
            try:
                data = os.read(self._master, 65536)
            except OSError:
                break  # every writer has closed the terminal
            if not data:
                break
            self.log.feed(data)

    # What was spoken

    def mark(self):
        """Where the next utterance will be, for spoken(since=...)."""
        return self.log.count()

    def spoken(self, since=0):
        return self.log.spoken(since)

    def until(self, done, since=None, timeout=SPEAK_LIMIT, what="speech"):
        """Waits until done(the utterances since the mark) holds, then until Orca has been
        quiet for a moment; returns the utterances."""
        start = self.mark() if since is None else since
        deadline = time.monotonic() + timeout
        while not done(self.spoken(start)):
            if time.monotonic() > deadline:
                raise TimeoutError(f"timed out waiting for {what}; Orca said {self.spoken(start)!r}")
            self.log.wait(0.1)
        return self.settle(start)

    def settle(self, since):
        """Waits until Orca has said nothing for QUIET seconds; the utterances since the mark."""
        deadline = time.monotonic() + SPEAK_LIMIT
        while time.monotonic() < deadline:
            last = self.log.last_spoken_at()
            if last is None or time.monotonic() - last >= QUIET:
                break
            self.log.wait(0.1)
        return self.spoken(since)

    def after(self, action, expect=1, timeout=SPEAK_LIMIT):
        """Does action (a key pressed, say), then returns what Orca said because of it: its
        utterances once at least expect of them came and a moment of quiet followed."""
        start = self.mark()
        action()
        return self.until(lambda spoken: len(spoken) >= expect, since=start, timeout=timeout,
                          what="Orca to speak")

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, 15)
                except ProcessLookupError:
                    pass
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, 9)
                    process.wait(timeout=5)
        if self._master is not None:
            os.close(self._slave)
            self._reader.join(timeout=2)
            os.close(self._master)
            self._master = None
        if self.log is not None:
            self.log.close()
