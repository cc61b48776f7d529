#!/usr/bin/python3
"""Start-up cost of GUI programs up to their first paint, and no further.

    first-paint.py [--runs N] [--no-instructions] NAME=COMMAND...

Needs an X server with the DAMAGE extension and no window manager in DISPLAY
(Xvfb), python3-xlib and valgrind. Each program is started alone; the first
drawing the X server sees in one of its mapped top-level windows is its first
paint. Then the wall time since the start and the peak RSS so far (VmHWM) are
taken and the program is killed, so nothing after the first paint is counted
(no event loop, no teardown). Instructions come from one more run under
callgrind, ended by SIGTERM at the first paint (valgrind then prints its
totals; --no-instructions skips that, for programs valgrind cannot run, such
as Windows programs under Wine). Prints a Markdown table; the first program
is the floor.
"""
import argparse
import re
import select
import signal
import statistics
import subprocess
import sys
import time

from Xlib import X, display, error
from Xlib.ext import damage


class FirstPaintWatch:
    """Watches the top-level windows of the X server for their first drawing."""

    def __init__(self):
        self.display = display.Display()
        if not self.display.has_extension("DAMAGE"):
            sys.exit("first-paint.py: the X server has no DAMAGE extension")
        self.display.damage_query_version()
        # A window can be gone, or be input-only, before its damage object is made.
        self.display.set_error_handler(self._ignore_vanished_windows)
        self.display.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()

    @staticmethod
    def _ignore_vanished_windows(err, request):
        if not isinstance(err, (error.BadWindow, error.BadDrawable, error.BadMatch)):
            sys.exit(f"first-paint.py: X error {err}")

    def start_and_wait(self, argv, timeout, **popen):
        """Starts argv; returns (process, seconds to its first paint)."""
        start = time.monotonic()
        process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, **popen)
        mapped = set()
        try:
            while True:
                if process.poll() is not None:
                    raise RuntimeError(f"{argv[0]} ended (status {process.returncode}) before painting")
                if time.monotonic() - start > timeout:
                    raise RuntimeError(f"{argv[0]} painted nothing in {timeout} s")
                self.display.flush()
                if not self.display.pending_events():
                    select.select([self.display], [], [], 0.1)
                    continue
                event = self.display.next_event()
                if event.type == X.CreateNotify:
                    event.window.damage_create(damage.DamageReportNonEmpty)
                elif event.type == X.MapNotify:
                    mapped.add(event.window.id)
                elif (event.type == self.display.extension_event.DamageNotify
                      and event.drawable.id in mapped):
                    return process, time.monotonic() - start
        except BaseException:
            process.kill()
            process.wait()
            raise


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        return int(re.search(r"^VmHWM:\s+(\d+) kB", status.read(), re.M).group(1))


def measure(watch, command, runs, instructions, warmup=3):
    times, rss = [], []
    for run in range(warmup + runs):
        process, seconds = watch.start_and_wait(command, timeout=60)
        kib = peak_rss_kib(process.pid)
        process.kill()
        process.wait()
        if run >= warmup:
            times.append(seconds)
            rss.append(kib)
    if not instructions:
        return statistics.median(times), statistics.median(rss) / 1024, None
    valgrind = ["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"]
    process, _ = watch.start_and_wait(valgrind + command, timeout=600,
                                      stderr=subprocess.PIPE, text=True)
    process.send_signal(signal.SIGTERM)
    _, log = process.communicate()
    # Only the program's own count: Qt's D-Bus start forks a child that
    # valgrind also counts.
    counted = re.search(rf"^=={process.pid}== Collected : (\d+)", log, re.M)
    if not counted:
        raise RuntimeError(f"callgrind gave no count for {command}:\n{log}")
    return statistics.median(times), statistics.median(rss) / 1024, int(counted.group(1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--no-instructions", dest="instructions", action="store_false")
    parser.add_argument("programs", nargs="+", metavar="NAME=COMMAND")
    args = parser.parse_args()
    watch = FirstPaintWatch()
    rows = []
    for program in args.programs:
        name, _, command = program.partition("=")
        print(f"measuring {name} ...", file=sys.stderr)
        rows.append((name, *measure(watch, command.split(), args.runs, args.instructions)))

    _, t0, m0, i0 = rows[0]
    header = "| program | median wall time | vs floor | peak RSS | vs floor |"
    print(header + (" instructions | vs floor |" if args.instructions else ""))
    print("|---" * header.count("|", 1) + ("|---|---|" if args.instructions else "|"))
    for name, t, m, i in rows:
        line = f"| {name} | {t * 1000:.1f} ms | {t / t0:.2f}x | {m:.1f} MiB | {m - m0:+.1f} MiB |"
        if args.instructions:
            line += f" {i / 1e6:.1f} M | {i / i0:.2f}x |"
        print(line)


if __name__ == "__main__":
    main()
