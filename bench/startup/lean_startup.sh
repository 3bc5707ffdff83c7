#!/usr/bin/env bash
# Start-up cost of vt12set with the help file beside it, before anyone opens HELP:
#  - time from process start to the first request on the line (median and worst of RUNS
#    starts, default 5), seen on the far end of the pseudo-terminal the tool opens as COM3;
#  - resident memory of vt12set (peak and at the end) over SECONDS of link detection and
#    polling against the paced simulator (default 10);
#  - the help browser's processes (QtWebEngineProcess) started by vt12set by then.
# Targets: first request within 0.5 s, at most 80 MB, no help browser process.
# Usage: bench/startup/lean_startup.sh [build-dir] [runs] [seconds]   (needs python3)
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build}
runs=${2:-5}
seconds=${3:-10}

python3 - "$build" "$runs" "$seconds" <<'PY'
import os, pty, select, shutil, signal, statistics, subprocess, sys, tempfile, time

build, runs, seconds = sys.argv[1], int(sys.argv[2]), float(sys.argv[3])
app = os.path.join(build, "bin", "vt12set")
sim = os.path.join(build, "bin", "vt12sim")
help_file = os.path.join(build, "bin", "Vantor 12 Help.mht")


def program_dir():
    work = tempfile.mkdtemp()
    with open(os.path.join(work, "Settings.ini"), "w") as ini:
        ini.write("[Last]\nPort=3\n")
    shutil.copy(help_file, work)
    return work


def environment(work):
    env = dict(os.environ, VT12_PORT_DIR=work, VT12_PROGRAM_DIR=work, QT_QPA_PLATFORM="offscreen")
    return env


def stop(process):
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def first_request():
    """Seconds from starting vt12set to the first byte it writes to COM3."""
    work = program_dir()
    master, slave = pty.openpty()
    os.symlink(os.ttyname(slave), os.path.join(work, "COM3"))
    started = time.monotonic()
    process = subprocess.Popen([app], env=environment(work), stderr=subprocess.DEVNULL)
    ready, _, _ = select.select([master], [], [], 10)
    arrived = time.monotonic() if ready else None
    stop(process)
    os.close(master)
    os.close(slave)
    shutil.rmtree(work)
    if arrived is None:
        sys.exit("no request within 10 s")
    return arrived - started


def status_kb(pid, key):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return 0


def descendants(pid):
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except OSError:
                pass
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def is_help_browser(pid):
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
            return b"QtWebEngineProcess" in cmdline.read()
    except OSError:
        return False


def memory_and_processes():
    work = program_dir()
    simulator = subprocess.Popen([sim, "--port-dir", work, "--com", "3", "--pace"],
                                 stdout=subprocess.DEVNULL)
    while not os.path.exists(os.path.join(work, "COM3")):
        time.sleep(0.05)
    trace = os.path.join(work, "trace.log")
    process = subprocess.Popen([app, f"--trace={trace}"], env=environment(work),
                               stderr=subprocess.DEVNULL)
    end = time.monotonic() + seconds
    browsers = 0
    while time.monotonic() < end:
        time.sleep(0.1)
        browsers = max(browsers, sum(map(is_help_browser, descendants(process.pid))))
    peak = status_kb(process.pid, "VmHWM")
    current = status_kb(process.pid, "VmRSS")
    stop(process)
    stop(simulator)
    answers = sum(1 for line in open(trace) if line.split()[1] == "RESULT" and "OK" in line)
    shutil.rmtree(work)
    return peak, current, browsers, answers


times = sorted(first_request() for _ in range(runs))
print(f"first request after process start: median {1000 * statistics.median(times):.0f} ms, "
      f"worst {1000 * times[-1]:.0f} ms over {runs} starts (target: at most 500 ms)")
peak, current, browsers, answers = memory_and_processes()
print(f"vt12set resident memory over {seconds:.0f} s of detection and polling: peak "
      f"{peak / 1024:.1f} MB, at the end {current / 1024:.1f} MB (target: at most 80 MB); "
      f"{answers} answers taken")
print(f"help browser processes before HELP is opened: {browsers} (target: none)")
PY
