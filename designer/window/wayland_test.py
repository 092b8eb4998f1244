#!/usr/bin/python3
"""The designer natively on Wayland: under a headless Weston compositor of
its own, on Qt's wayland platform. The installation probe (a Qt plugin
loaded into the unchanged program) reports once the compositor shows the
main window; the test checks that it ran on Wayland, that the window was
exposed, and that the control libraries were hosted there.

Run as: wayland_test.py <ombrelo program> <folder of the probe plugin>
"""
import os
import subprocess
import sys
import tempfile
import time

SOCKET = "ombrelo-test"


def start_weston(runtime):
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", f"--socket={SOCKET}",
         "--width=1024", "--height=768", "--idle-time=0"],
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    socket = os.path.join(runtime, SOCKET)
    end = time.monotonic() + 20
    while not os.path.exists(socket):
        if weston.poll() is not None or time.monotonic() > end:
            weston.kill()
            weston.wait()
            raise RuntimeError("weston did not start")
        time.sleep(0.1)
    return weston


def main():
    program, probe = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    with tempfile.TemporaryDirectory(prefix="ombrelo-wayland-") as home:
        runtime = os.path.join(home, "runtime")
        os.makedirs(runtime, mode=0o700)
        weston = start_weston(runtime)
        try:
            env = {key: value for key, value in os.environ.items()
                   if key not in ("DISPLAY", "QT_QPA_PLATFORM")}
            env.update(HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                       XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=SOCKET,
                       QT_QPA_PLATFORM="wayland", QT_PLUGIN_PATH=probe,
                       QT_QPA_GENERIC_PLUGINS="ombreloinstallprobe")
            run = subprocess.run([program], env=env, capture_output=True, text=True,
                                 timeout=60)
        finally:
            weston.terminate()
            weston.wait()
    report = run.stdout.splitlines()
    expected = ["platform wayland", "control URLLink1 linklabel::URLLink",
                "control Velmira14 Velmira"]
    missing = [line for line in expected if line not in report]
    if not any(line.startswith("window ") and line.endswith(" exposed") for line in report):
        missing.append("window ... exposed")
    if run.returncode != 0 or missing:
        print(run.stderr)
        print("\n".join(report))
        print(f"FAIL: exit status {run.returncode}; missing: {', '.join(missing)}")
        return 1
    print("\n".join(line for line in report if line.startswith(("platform", "window"))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
