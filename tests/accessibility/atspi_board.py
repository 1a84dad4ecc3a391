#!/usr/bin/env python3
"""Plays one card of Velmora through the desktop's accessibility bus, as a screen reader sees it.

Starts a private X server and session bus, runs the program from a fresh portable folder with the
hidden --scripted-board hook (a game of two people, the keyboard on the board), finds the board
table over AT-SPI, reads a cell, turns that card with the keyboard and waits for the cell's name to
change. Then it plays the rest of the turn and prints every name change and focus move it heard, in
order. Exits 77 (skipped) when the AT-SPI registry is not installed.

Usage: atspi_board.py BINARY_DIR
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
REGISTRY = "/usr/libexec/at-spi2-registryd"
SKIP = 77
SESSION_MARK = "VELMORA_ATSPI_SESSION"
UNHEARD = 2  # the program's events never reached the listener
ATTEMPTS = 2


def fail(message, code=1):
    print("FAIL: " + message, flush=True)
    sys.exit(code)


def check_tools():
    if not (os.path.exists(BUS_LAUNCHER) and os.path.exists(REGISTRY)):
        print("SKIP: at-spi2-core is not installed (no %s); install it with tools/install-deps.sh" % BUS_LAUNCHER)
        sys.exit(SKIP)
    for tool in ("dbus-run-session", "Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            fail("%s is missing; tools/install-deps.sh installs it" % tool)
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        fail("python3-pyatspi is missing for %s; tools/install-deps.sh installs it" % sys.executable)


def start_display():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        fail("Xvfb did not start")
    return server, ":" + number


def portable_copy(binary_dir, folder):
    for name in os.listdir(binary_dir):
        if name == "velmora" or name.endswith(".cst") or name.endswith(".wav"):
            shutil.copy2(os.path.join(binary_dir, name), folder)
    open(os.path.join(folder, "velmora-portable"), "w").close()
    return os.path.join(folder, "velmora")


def wait_for(what, probe, seconds, pump, code=1):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        pump(0.1)
    fail("timed out waiting for " + what, code)


class Ear:
    """Records what a screen reader is told: names that change and objects that take the focus."""

    def __init__(self, pyatspi):
        from gi.repository import GLib
        self.context = GLib.MainContext.default()
        self.heard = []
        self.pyatspi = pyatspi
        pyatspi.Registry.registerEventListener(self.on_event, "object:property-change:accessible-name",
                                               "object:state-changed:focused")

    def on_event(self, event):
        try:
            if event.type.startswith("object:state-changed:focused") and not event.detail1:
                return
            kind = "focus" if "focused" in event.type else "name"
            text = event.source.name
        except Exception:  # an object gone by the time its event arrives says nothing
            return
        if kind == "focus" and event.source.getRole() != self.pyatspi.ROLE_TABLE_CELL:
            return
        self.heard.append((kind, text))

    def pump(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while self.context.iteration(False):
                pass
            time.sleep(0.02)


def find_board(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name.lower() != "velmora":
            continue
        found = pyatspi.findDescendant(app, lambda o: o.getRole() == pyatspi.ROLE_TABLE and o.name == "Board")
        if found is not None:
            return found
    return None


def cell_name(table, row, column):
    return table.queryTable().getAccessibleAt(row, column).name


def keys(display, window, *names):
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "--delay", "120"] + list(names),
                   env=dict(os.environ, DISPLAY=display), check=True, timeout=20)


def play(binary_dir):
    import pyatspi
    server, display = start_display()
    program = None
    folder = tempfile.mkdtemp(prefix="velmora-atspi-")
    try:
        velmora = portable_copy(binary_dir, folder)
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", XDG_DATA_HOME=os.path.join(folder, "data"),
                   XDG_CONFIG_HOME=os.path.join(folder, "config"))
        program = subprocess.Popen([velmora, "--scripted-board"], env=env, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, text=True)
        for line in program.stdout:
            if line.strip() == "board ready":
                break
        else:
            fail("the program ended before its board was ready")
        ear = Ear(pyatspi)
        table = wait_for("the board table on the accessibility bus", lambda: find_board(pyatspi), 30, ear.pump)
        print("table: %s, %d x %d" % (table.name, table.queryTable().nRows, table.queryTable().nColumns))
        ear.pump(1)  # the program learns from the registry which events are listened to
        wait_for("the board to have the keyboard", lambda: table.getState().contains(pyatspi.STATE_FOCUSED), 10,
                 ear.pump)
        before = cell_name(table, 0, 0)
        print("cell before: " + before)
        if before != "Row 1, column 1, face down":
            fail("the first cell reads %r" % before)
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Velmora$"],
                                env=dict(os.environ, DISPLAY=display), capture_output=True, text=True,
                                timeout=20).stdout.split()[0]
        keys(display, window, "space")
        after = wait_for("the turned card's name", lambda: (lambda n: n if n != before else None)(cell_name(table, 0, 0)),
                         10, ear.pump)
        print("cell after: " + after)
        if not after.startswith("Row 1, column 1, ") or after.endswith("face down"):
            fail("the turned card reads %r" % after)
        # The rest of the turn: the cursor's next card, then the flip delay and the next player's status.
        # On a loaded machine the program may learn of the listener only after the first card turned, so
        # the turn is heard when either card's new name is.
        keys(display, window, "Right", "space")
        turned = lambda: any(kind == "name" and text.startswith("Row ") and not text.endswith("face down")
                             for kind, text in ear.heard)
        wait_for("the name change of a turned card", turned, 15, ear.pump, UNHEARD)
        ends_turn = lambda: any(kind == "name" and text.startswith("Scripted") for kind, text in ear.heard)
        wait_for("the status line of the next turn", ends_turn, 20, ear.pump)
        ear.pump(0.5)
        for kind, text in ear.heard:
            print("heard %s: %s" % (kind, text))
        print("PASS")
    finally:
        if program is not None:
            program.send_signal(signal.SIGTERM)
            try:
                program.wait(timeout=10)
            except subprocess.TimeoutExpired:
                program.kill()
        server.terminate()
        server.wait(timeout=10)
        shutil.rmtree(folder, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        fail("usage: atspi_board.py BINARY_DIR")
    check_tools()
    if os.environ.get(SESSION_MARK) != "1":
        # A bus of its own, so the test never speaks to the desktop of whoever runs it. On a loaded
        # machine the registry now and then never tells the program that a listener came, and then
        # no event of that session is heard at all; a fresh bus is tried once more before failing.
        os.environ[SESSION_MARK] = "1"
        command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__)] + sys.argv[1:]
        for attempt in range(1, ATTEMPTS + 1):
            code = subprocess.call(command)
            if code != UNHEARD or attempt == ATTEMPTS:
                sys.exit(code)
            print("no event reached the listener on this bus; trying a fresh one", flush=True)
    play(os.path.abspath(sys.argv[1]))


if __name__ == "__main__":
    main()
