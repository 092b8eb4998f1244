#!/usr/bin/python3
""""Copy" and "FullScreen Preview" on Wayland, pressed with real keys
through the compositor: a headless sway of its own (as an ordinary user:
sway refuses to run as root), the designer on Qt's wayland platform, the
keys typed by wtype through the compositor's virtual-keyboard protocol.
(A headless sway has no pointer device, so its seat offers clients no
pointer and its own cursor commands reach none: the keyboard it is.)

From the first control, Shift+Tab five times goes back round the window
(Exit, "Copy Function", the home-page link, the source view) to "Copy", and
Space presses it: wl-paste, another program, must read the statement. Two
more Shift+Tab (the statement box passes the focus on) reach "FullScreen
Preview": its window must cover the output, and grim must find below the
panel exactly the pixels that ombrelo-render paints for the statement's
values at the output's size.

Run as: wayland_keyboard_test.py <ombrelo program> <ombrelo-render program>
"""
import json
import os
import pwd
import subprocess
import sys
import tempfile
import time


def as_user_if_root():
    """The command prefix that runs sway as an ordinary user."""
    if os.geteuid() != 0:
        return [], None
    nobody = pwd.getpwnam("nobody")
    return (["setpriv", f"--reuid={nobody.pw_uid}", f"--regid={nobody.pw_gid}",
             "--clear-groups"], nobody)


def wait_for(check, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = check()
        if value:
            return value
        time.sleep(0.2)
    return None


def read_bmp(path):
    """Rows of RGB bytes of an uncompressed 24- or 32-bit BMP."""
    with open(path, "rb") as file:
        data = file.read()
    offset = int.from_bytes(data[10:14], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    step = int.from_bytes(data[28:30], "little") // 8
    stride = (width * step + 3) & ~3
    rows = []
    for y in range(abs(height)):
        row = data[offset + y * stride:offset + y * stride + width * step]
        rows.append(bytes(c for i in range(0, len(row), step)
                          for c in (row[i + 2], row[i + 1], row[i])))
    return rows if height < 0 else rows[::-1]


def read_ppm(data):
    parts = data.split(maxsplit=4)
    width, height = int(parts[1]), int(parts[2])
    pixels = parts[4][:width * height * 3]
    return [pixels[y * width * 3:(y + 1) * width * 3] for y in range(height)]


def render_arguments(statement):
    """The statement's twelve values as ombrelo-render takes them."""
    values = statement.split(" '")[0].split(", ")[1:]
    named = {"True": "-1", "False": "0"}
    return ["h" if value.endswith(".ScaleHeight") else named.get(value, value)
            for value in values]


def full_screen(env, swaymsg, statement, render, home):
    subprocess.run(["wtype", "-s", "700", "-M", "shift", "-k", "Tab", "-k", "Tab",
                    "-m", "shift", "-k", "space"], env=env, check=True, timeout=20)

    def covering():
        tree = json.loads(subprocess.run(swaymsg + ["-t", "get_tree"], capture_output=True,
                                         text=True).stdout)
        stack = [tree]
        while stack:
            node = stack.pop()
            if (node.get("app_id") == "org.ombrelo.Ombrelo" and node.get("fullscreen_mode") == 1
                    and node["rect"]["width"] == 1024 and node["rect"]["height"] == 768):
                return True
            stack.extend(node.get("nodes", []) + node.get("floating_nodes", []))
        return False
    if not wait_for(covering, 10):
        print("FAIL: no full-screen window covers the output")
        return 1
    time.sleep(1)  # painted once it is shown
    expected_path = os.path.join(home, "expected.bmp")
    # The reference picture needs no display: painted offscreen, as the
    # suite's other render runs are.
    render_env = dict(env, QT_QPA_PLATFORM="offscreen")
    subprocess.run([render, "--size", "1024x768", "-o", expected_path] +
                   render_arguments(statement), env=render_env, check=True, timeout=60)
    expected = read_bmp(expected_path)
    grab = subprocess.run(["grim", "-t", "ppm", "-"], env=env, capture_output=True, timeout=20)
    shown = read_ppm(grab.stdout)
    # Everything below the panel in the top-left corner.
    differing = [y for y in range(40, 768) if shown[y] != expected[y]]
    if len(shown) != 768 or differing:
        print(f"FAIL: {len(differing)} rows of the full-screen preview differ from the engine's")
        return 1
    print("full-screen preview: the engine's pixels over the whole output")
    return 0


def main():
    program = os.path.abspath(sys.argv[1])
    render = os.path.abspath(sys.argv[2])
    with tempfile.TemporaryDirectory(prefix="ombrelo-sway-") as home:
        sway_runtime = os.path.join(home, "sway")
        own_runtime = os.path.join(home, "runtime")
        os.makedirs(own_runtime, mode=0o700)
        os.makedirs(sway_runtime, mode=0o700)
        os.chmod(home, 0o755)
        prefix, user = as_user_if_root()
        if user:
            os.chown(sway_runtime, user.pw_uid, user.pw_gid)
        config = os.path.join(home, "sway.conf")
        with open(config, "w") as out:
            out.write("output HEADLESS-1 resolution 1024x768\n")
        os.chmod(config, 0o644)
        sway = subprocess.Popen(
            prefix + ["env", "-i", "PATH=/usr/bin:/bin", f"HOME={sway_runtime}",
                      f"XDG_RUNTIME_DIR={sway_runtime}", "WLR_BACKENDS=headless",
                      "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman",
                      "sway", "-c", config],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        designer = None
        try:
            socket = os.path.join(sway_runtime, "wayland-1")
            if not wait_for(lambda: os.path.exists(socket), 20):
                print("FAIL: sway did not start")
                return 1
            env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
            env.update(HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                       XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_RUNTIME_DIR=own_runtime, WAYLAND_DISPLAY=socket)
            ipc = lambda: [os.path.join(sway_runtime, f) for f in os.listdir(sway_runtime)
                           if f.startswith("sway-ipc")]
            sock = wait_for(ipc, 10)
            designer = subprocess.Popen([program], env=dict(env, QT_QPA_PLATFORM="wayland"),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

            def focused_designer():
                tree = subprocess.run(["swaymsg", "-s", sock[0], "-t", "get_tree"],
                                      capture_output=True, text=True).stdout
                return '"app_id": "org.ombrelo.Ombrelo"' in tree and '"focused": true' in tree
            if not wait_for(focused_designer, 30):
                print("FAIL: the designer's window did not show")
                return 1
            time.sleep(1)  # its start-up ends after the window shows

            def paste():
                run = subprocess.run(["wl-paste", "--no-newline"], env=env,
                                     capture_output=True, text=True, timeout=10)
                return run.stdout if run.returncode == 0 else ""
            before = paste()
            subprocess.run(["wtype", "-s", "700", "-M", "shift"] + ["-k", "Tab"] * 5 +
                           ["-m", "shift", "-k", "space"], env=env, check=True, timeout=20)
            copied = wait_for(lambda: (lambda text: text if text != before else "")(paste()), 10)
            if not copied or not copied.startswith("Ombrelo [OBJECT], ") or " '" not in copied:
                print(f"FAIL: wl-paste read {copied!r} (before: {before!r})")
                return 1
            print("wl-paste read:", copied)
            return full_screen(env, ["swaymsg", "-s", sock[0]], copied, render, home)
        finally:
            if designer:
                stop(designer)
            stop(sway)


def stop(process):
    """Ends a process started by the test, killing it if it will not end."""
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


if __name__ == "__main__":
    sys.exit(main())
