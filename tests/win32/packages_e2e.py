# SPDX-License-Identifier: MIT
"""End-to-end scenarios of the Windows release packages, run by windows_e2e.py.

zip        the zip unpacked into C:\\Mis Juegos\\Ñandú & Cía's and played there with the
           lists it ships, to the end-of-round report.
installer  the installer run silently into a folder of the player's choice, the game
           started from its Start-menu shortcut's target and played, its lists edited by
           the player and read at the next round, the installer run again, which finds
           that folder and keeps the lists; the uninstaller and the installer refused while
           the game runs, changing nothing; a second copy in the default folder, the first
           uninstalled without taking the second's entry; then the game uninstalled
           silently, leaving no file and no registry entry.
"""

import os
import re
import shutil
import sys
import time
import zipfile

from windows_e2e import FOLDER, LISTS, WAIT, WORD, Failure, check, write_lists

# The game's upper-casing, as the checks of the shipped lists have it.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from check_lists import game_upper  # noqa: E402

PROGRAM = "quimbelo.exe"
HELP = "leeme.txt"
UNINSTALLER = "desinstalar.exe"
SHIPPED = {PROGRAM, HELP, *LISTS}
THEME_LIST = "informatica.TXT"  # the list of the theme selected when the game opens
UNINSTALL_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quimbelo"
# Every letter key once, the commonest Spanish letters first, then the digits.
KEYS = [*"eaosrnidlctumpbgvyqhfzjxkw", "ntilde", *"0123456789"]


def check_shipped(folder, source):
    """The lists as they are in the source; the help text as Notepad reads it anywhere."""
    for name in LISTS:
        with open(os.path.join(source, "data", name), "rb") as a, \
                open(os.path.join(folder, name), "rb") as b:
            check(a.read() == b.read(), f"{name} differs from the source's")
    with open(os.path.join(source, "data", HELP), "rb") as f:
        expected = b"\xef\xbb\xbf" + f.read().replace(b"\n", b"\r\n")
    with open(os.path.join(folder, HELP), "rb") as f:
        check(f.read() == expected, f"{HELP} is not the source's in UTF-8 with a mark and CR LF")


def windows_variable(session, name):
    result = session.wine("cmd.exe", "/c", "echo", f"%{name}%")
    return result.stdout.decode("utf-8", "replace").strip()


def read_report(screen):
    """The end-of-round report's first line and solution, checked against the counters."""
    lines = screen.boxes[0]["message"].split("\n")
    check(len(lines) == 5, f"report {lines!r}")
    check(lines[0] in ("Correcto", "Has perdido"), f"report's first line {lines[0]!r}")
    check(lines[1] == "La solución era: ", f"report's second line {lines[1]!r}")
    check(lines[2].startswith(" ") and lines[2].endswith(" "), f"solution {lines[2]!r}")
    check(lines[3] == "Numero de intentos: " + screen.text("Label4"), f"tries {lines[3]!r}")
    check(lines[4] == "Numero de fallos: " + screen.text("Label5"), f"failures {lines[4]!r}")
    return lines[0], lines[2][1:-1]


def play_to_report(session, program, list_path):
    """Starts the program and tries the letter keys until the round ends; the solution
    must be an item of the list the theme reads."""
    session.start(program)
    session.wait_for("the splash", lambda s: s.shows("splash"), timeout=60)
    session.keys("space")
    session.wait_for("the game window", lambda s: s.shows("game") and not s.shows("splash"))
    tries = 0
    for key in KEYS:
        session.keys(key)
        tries += 1
        screen = session.wait_for(f"the key {key} to count",
                                  lambda s: s.boxes or s.text("Label4") == str(tries))
        if screen.boxes:
            break
    check(screen.boxes, "every key tried and the round goes on")
    outcome, solution = read_report(screen)
    with open(list_path, encoding="cp1252") as f:
        items = {game_upper(line.strip()) for line in f}
    check(solution in items, f"the solution {solution!r} is not in {list_path}")
    print(f"{outcome}: {solution} after {tries} keys")
    session.screenshot("report", screen.boxes[0]["rect"])
    return screen


def guess_word(session):
    """Types the edited lists' word a key at a time, each counted before the next. xdotool
    maps "ñ", which the X keyboard lacks, to a spare key for a moment, and Wine may read
    the key after the mapping is gone; a key not counted is typed once more."""
    for tries, key in enumerate(("p", "a", "ntilde", "o"), 1):
        for attempt in (1, 2):
            session.keys(key)
            try:
                screen = session.wait_for(f"the key {key} to count",
                                          lambda s: s.boxes or s.text("Label4") == str(tries),
                                          timeout=3 if attempt == 1 else WAIT)
                break
            except Failure:
                if attempt == 2:
                    raise
                print(f"the key {key} was not counted; typed again")
    check(screen.boxes, f"no report after the word; shown {screen.text('Pelicula1')!r}")
    return screen


def quit_after_report(session):
    session.keys("Return")
    session.wait_for("the question", lambda s: s.boxes and s.boxes[0]["message"].startswith("¿"))
    session.keys("n")  # "No" ends the program
    check(session.wait_exit() == 0, "exit status")


def zip_package(session):
    with zipfile.ZipFile(session.args.zip) as archive:
        names = set(archive.namelist())
        check(names == {"Quimbelo/"} | {"Quimbelo/" + name for name in SHIPPED},
              f"the zip holds {sorted(names)}")
        folder = session.unix_path("C:\\" + FOLDER)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        archive.extractall(folder)
    program_folder = os.path.join(folder, "Quimbelo")
    check_shipped(program_folder, session.args.source)
    session.stand_ins()
    play_to_report(session, "C:\\" + FOLDER + "\\Quimbelo\\" + PROGRAM,
                   os.path.join(program_folder, THEME_LIST))
    quit_after_report(session)


def registry_values(session, key):
    """The key's values as text, read from an export, which is UTF-16 whatever the
    console's code page; None when there is no such key."""
    exported = os.path.join(session.drive_c, "key.reg.txt")
    result = session.wine("reg.exe", "export", key, "C:\\key.reg.txt", "/y")
    if result.returncode != 0:
        return None
    with open(exported, "rb") as f:
        text = f.read().decode("utf-16")
    os.remove(exported)
    values = {}
    for line in text.splitlines():
        match = re.fullmatch(r'"((?:[^"\\]|\\.)*)"=(?:"((?:[^"\\]|\\.)*)"|(.*))', line)
        if match:
            value = match[3] if match[2] is None else re.sub(r"\\(.)", r"\1", match[2])
            values[re.sub(r"\\(.)", r"\1", match[1])] = value
    return values


def install(session, *options):
    result = session.wine(session.args.setup, "/S", *options)
    check(result.returncode == 0, f"the installer ended with {result.returncode}")


def uninstall_in_place(session, install_dir):
    """Runs the folder's uninstaller where it is and waits for it, returning its status.
    Started as the Apps entry starts it, it hands over at once to a copy of itself that
    runs with this same option, whose status nobody sees."""
    return session.wine(install_dir + "\\" + UNINSTALLER, "/S", "_?=" + install_dir).returncode


def files_of(folder):
    """Every file of the folder with its content."""
    contents = {}
    for name in os.listdir(folder):
        with open(os.path.join(folder, name), "rb") as f:
            contents[name] = f.read()
    return contents


def check_entry(session, install_dir, link):
    """The uninstall entry and the Start-menu shortcut are those of the copy in
    install_dir; gives the program the shortcut starts."""
    values = registry_values(session, UNINSTALL_KEY)
    check(values is not None, "no uninstall entry for the user")
    uninstaller = install_dir + "\\" + UNINSTALLER
    expected = {"DisplayName": "El Quimbelo", "DisplayVersion": "2.0.0",
                "InstallLocation": install_dir, "UninstallString": f'"{uninstaller}"',
                "QuietUninstallString": f'"{uninstaller}" /S'}
    for name, value in expected.items():
        check(values.get(name) == value, f"uninstall entry {name} = {values.get(name)!r}")
    check(os.path.isfile(session.unix_path(link)), "no Start-menu entry")
    result = session.wine(session.args.shortcut, link)
    check(result.returncode == 0, "the shortcut cannot be read")
    target, working_folder = result.stdout.decode("utf-8").splitlines()
    check(target == install_dir + "\\" + PROGRAM, f"the shortcut starts {target!r}")
    check(working_folder == install_dir, f"the shortcut starts in {working_folder!r}")
    return target


def refused_while_running(session, install_dir, link):
    """With the game open, neither the uninstaller nor the installer changes a thing."""
    folder = session.unix_path(install_dir)
    before = files_of(folder)
    entry = registry_values(session, UNINSTALL_KEY)
    session.start(install_dir + "\\" + PROGRAM)
    session.wait_for("the splash", lambda s: s.shows("splash"), timeout=60)
    session.keys("space")
    session.wait_for("the game window", lambda s: s.shows("game") and not s.shows("splash"))

    status = uninstall_in_place(session, install_dir)
    check(status == 2, f"the uninstaller ended with {status} while the game runs")
    check(files_of(folder) == before, f"the uninstaller changed the folder: {os.listdir(folder)}")
    check(registry_values(session, UNINSTALL_KEY) == entry, "the uninstaller changed the entry")
    check(os.path.isfile(session.unix_path(link)), "the uninstaller took the Start-menu entry")

    result = session.wine(session.args.setup, "/S")
    check(result.returncode == 2,
          f"the installer ended with {result.returncode} while the game runs")
    check(files_of(folder) == before, f"the installer changed the folder: {os.listdir(folder)}")

    # The game plays on, reading its lists at the next round (F2).
    session.keys("F2")
    screen = session.wait_for("the next round", lambda s: s.boxes or s.text("Label11") == "2")
    check(not screen.boxes, f"a message at the next round: {screen.boxes and screen.boxes[0]}")
    check(screen.text("Pelicula1") == "----", f"masked word {screen.text('Pelicula1')!r}")
    session.keys("ctrl+s")
    check(session.wait_exit() == 0, "exit status")


def installer(session):
    started = time.time()
    default_dir = windows_variable(session, "LOCALAPPDATA") + "\\Programs\\Quimbelo"
    default_folder = session.unix_path(default_dir)
    # The player's own choice of folder, with Spanish letters; with no spaces, as "/D=" is
    # read unquoted and Wine quotes an argument with spaces.
    install_dir = "C:\\Juegos\\Ñandú\\Quimbelo"
    folder = session.unix_path(install_dir)
    shutil.rmtree(session.unix_path("C:\\Juegos"), ignore_errors=True)
    install(session, "/D=" + install_dir)
    check(set(os.listdir(folder)) == SHIPPED | {UNINSTALLER}, f"installed: {os.listdir(folder)}")
    check_shipped(folder, session.args.source)
    check(not os.path.exists(default_folder), "a copy in the default folder too")
    link = (windows_variable(session, "APPDATA")
            + "\\Microsoft\\Windows\\Start Menu\\Programs\\El Quimbelo.lnk")
    target = check_entry(session, install_dir, link)

    # Played from the shortcut's target with the shipped lists; then the player edits
    # the lists, and the next round reads them.
    session.stand_ins()
    play_to_report(session, target, os.path.join(folder, THEME_LIST))
    write_lists(folder, WORD)
    session.keys("Return")
    session.wait_for("the question", lambda s: s.boxes and s.boxes[0]["message"].startswith("¿"))
    session.keys("Return")  # "Sí"
    screen = session.wait_for("a round of the edited list",
                              lambda s: not s.boxes and s.text("Label11") == "2")
    check(screen.text("Pelicula1") == "----", f"masked word {screen.text('Pelicula1')!r}")
    screen = guess_word(session)
    check(read_report(screen) == ("Correcto", "PAÑO"), "the edited list's word, guessed")
    quit_after_report(session)

    # Installing again, with no folder given, goes to the installed game's folder and
    # keeps the lists as the player left them.
    install(session)
    check(not os.path.exists(default_folder), "installed again into the default folder")
    check(set(os.listdir(folder)) == SHIPPED | {UNINSTALLER}, f"installed: {os.listdir(folder)}")
    for name in LISTS:
        with open(os.path.join(folder, name), "rb") as f:
            check(f.read() == WORD.encode("cp1252") + b"\r\n", f"{name} overwritten")
    check_entry(session, install_dir, link)

    refused_while_running(session, install_dir, link)

    # A second copy, put in the default folder on purpose, takes the entry and the
    # shortcut; uninstalling the first leaves them to it.
    install(session, "/D=" + default_dir)
    check_shipped(default_folder, session.args.source)
    check_entry(session, default_dir, link)
    status = uninstall_in_place(session, install_dir)
    check(status == 0, f"the first copy's uninstaller ended with {status}")
    # Run in place, the uninstaller cannot delete itself.
    check(os.listdir(folder) == [UNINSTALLER], f"left of the first copy: {os.listdir(folder)}")
    shutil.rmtree(folder)
    check_entry(session, default_dir, link)

    uninstaller = default_dir + "\\" + UNINSTALLER
    result = session.wine(uninstaller, "/S")
    check(result.returncode == 0, f"the uninstaller ended with {result.returncode}")
    # The uninstaller goes on from a copy of itself, which the call above does not wait for.
    end = time.monotonic() + WAIT
    while os.path.exists(default_folder) and time.monotonic() < end:
        time.sleep(0.2)
    if os.path.exists(default_folder):
        raise Failure(f"left behind: {os.listdir(default_folder)}")
    check(not os.path.exists(session.unix_path(link)), "the Start-menu entry is left")
    check(registry_values(session, UNINSTALL_KEY) is None, "the uninstall entry is left")
    exported = os.path.join(session.drive_c, "user.reg.txt")
    result = session.wine("reg.exe", "export", "HKCU", "C:\\user.reg.txt", "/y")
    check(result.returncode == 0, "cannot export the user's registry")
    with open(exported, "rb") as f:
        text = f.read().decode("utf-16", "replace").lower()
    check("quimbelo" not in text, "the user's registry still names the game")
    # Nothing is left in the user's folders, but for the copy of the uninstaller that
    # ran, which cannot delete itself: it is left to be deleted at the next restart.
    users = os.path.join(session.drive_c, "users")
    left = []
    for where, folders, files in os.walk(users):
        folders[:] = [name for name in folders if not name.startswith("~nsu")]
        left += [os.path.join(where, name) for name in files
                 if os.path.getmtime(os.path.join(where, name)) >= started
                 and not name.endswith(".reg")]
    check(not left, f"left behind: {left}")
    pending = session.wine("reg.exe", "query",
                           "HKLM\\System\\CurrentControlSet\\Control\\Session Manager",
                           "/v", "PendingFileRenameOperations")
    check("~nsu" in pending.stdout.decode("utf-8", "replace"),
          "the uninstaller's copy is not to be deleted at restart")


SCENARIOS = {"zip": zip_package, "installer": installer}
