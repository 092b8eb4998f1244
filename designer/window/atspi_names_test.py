#!/usr/bin/python3
"""The designer as a screen reader reads it: over AT-SPI, on a private D-Bus
session, on an Xvfb server of its own. Starts the designer with Qt's
accessibility bridge on, reads its whole tree from the accessibility bus and
fails on any focusable object without a name (listing them), or when the
tree never shows up.

Run as: dbus-run-session -- atspi_names_test.py <ombrelo program>
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

# Names a user of the window must hear; their presence proves that the tree
# read is the designer's and that it is complete.
EXPECTED = ["Red", "ModLine", "Red value", "Include Red in Random Color",
            "Automatic preview", "Preview", "Styles", "Copy", "Exit",
            "Brantel Online", "Red lamp, off"]
DEADLINE_SECONDS = 60


def application_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away meanwhile
            continue
    return None


def walk(node, found, depth=0):
    if node is None or depth > 60:
        return
    try:
        states = node.getState()
        name = node.name or ""
        role = node.getRoleName()
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return
    found.append((name, role, states.contains(pyatspi.STATE_FOCUSABLE),
                  states.contains(pyatspi.STATE_SHOWING)))
    for child in children:
        walk(child, found, depth + 1)


def read_tree(pid):
    app = application_of(pid)
    if app is None:
        return []
    found = []
    walk(app, found)
    return found


def start_xvfb():
    """An X server on a display number that the server itself chooses, so
    that tests started at the same moment never race for one."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
         "-dpi", "96", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as announced:
        number = announced.readline().strip()
    if not number:
        server.kill()
        server.wait()
        raise RuntimeError("Xvfb did not start")
    return server, ":" + number


def main():
    program = os.path.abspath(sys.argv[1])
    xvfb, display = start_xvfb()
    try:
        return run(program, display)
    finally:
        xvfb.terminate()
        xvfb.wait()


def run(program, display):
    with tempfile.TemporaryDirectory(prefix="ombrelo-atspi-") as home:
        env = dict(os.environ)
        env["DISPLAY"] = display
        env.pop("WAYLAND_DISPLAY", None)
        for key, sub in (("HOME", ""), ("XDG_DATA_HOME", "data"),
                         ("XDG_CONFIG_HOME", "config"), ("XDG_CACHE_HOME", "cache"),
                         ("XDG_RUNTIME_DIR", "runtime")):
            path = os.path.join(home, sub)
            os.makedirs(path, mode=0o700, exist_ok=True)
            env[key] = path
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env.pop("QT_ACCESSIBILITY", None)
        designer = subprocess.Popen([program], env=env)
        try:
            tree = []
            end = time.monotonic() + DEADLINE_SECONDS
            while time.monotonic() < end:
                if designer.poll() is not None:
                    print("FAIL: the designer ended with status", designer.returncode)
                    return 1
                tree = read_tree(designer.pid)
                names = {name for name, _, _, _ in tree}
                if all(expected in names for expected in EXPECTED):
                    break
                time.sleep(0.5)
            names = {name for name, _, _, _ in tree}
            missing = [expected for expected in EXPECTED if expected not in names]
            unnamed = [role for name, role, focusable, showing in tree
                       if focusable and showing and not name.strip()]
            focusable = sum(1 for _, _, f, s in tree if f and s)
            print(f"{len(tree)} accessible objects, {focusable} focusable and showing")
            if missing:
                print("FAIL: not found over AT-SPI:", ", ".join(missing))
            if unnamed:
                print(f"FAIL: {len(unnamed)} focusable objects without a name:",
                      ", ".join(unnamed))
            return 1 if missing or unnamed else 0
        finally:
            designer.terminate()
            try:
                designer.wait(timeout=10)
            except subprocess.TimeoutExpired:
                designer.kill()
                designer.wait()


if __name__ == "__main__":
    sys.exit(main())
