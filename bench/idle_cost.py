#!/usr/bin/env python3
"""What a program costs at rest, read from Linux's per-process processor times.

    idle_cost.py [--prefix DIR] [--settle S] [-v] SECONDS XSERVER_PID -- COMMAND...

Starts COMMAND, lets it settle, then measures over SECONDS the processor time
of three groups, each as a percentage of one core:
  own      COMMAND's process and its descendants;
  prefix   the other Wine processes of the prefix DIR (wineserver, services,
           explorer and the rest), found by WINEPREFIX=DIR in their environment;
  xserver  the X server XSERVER_PID and its descendants.
It prints "own=... prefix=... xserver=... total=..." (prefix only with
--prefix), then stops COMMAND. -v lists each process's share on stderr.

The times are fields 14 to 17 of /proc/PID/stat: user and system ticks, and
those of the children the process has waited for. The groups are read every
second, so that a process born in the window counts from zero, and one that
ends in it counts up to its last reading, or not at all when its parent in its
group (or theirs, up to one still there) waited for it: the children's ticks of
that parent hold its whole life.
"""
import argparse
import os
import subprocess
import sys
import time

TICKS = os.sysconf('SC_CLK_TCK')
WINE_DIR = '/usr/lib/wine/'


def read_stat(pid):
    """(name, parent pid, start tick, ticks used) of a process, or None once it is gone."""
    try:
        with open(f'/proc/{pid}/stat') as f:
            text = f.read()
    except OSError:
        return None
    name = text[text.index('(') + 1:text.rindex(')')]
    fields = text[text.rindex(')') + 2:].split()  # fields[0] is field 3
    return name, int(fields[1]), int(fields[19]), sum(int(x) for x in fields[11:15])


def runs_in_prefix(pid, prefix):
    """Whether a process is Wine's (a Windows program or wineserver) and of this prefix."""
    try:
        if not os.readlink(f'/proc/{pid}/exe').startswith(WINE_DIR):
            return False
        with open(f'/proc/{pid}/environ', 'rb') as f:
            return b'WINEPREFIX=' + prefix.encode() in f.read().split(b'\0')
    except OSError:
        return False


class Groups:
    """Sorts the machine's processes into the three groups; a process keeps its group."""

    def __init__(self, own, xserver, prefix):
        self.roots = {own: 'own', xserver: 'xserver'}
        self.prefix = prefix
        self.known = {}  # (pid, start tick) -> group or None

    def read(self):
        """{(pid, start tick): (group, name, parent pid, ticks)} of the groups' processes now."""
        stats = {int(p): s for p in os.listdir('/proc') if p.isdigit() and (s := read_stat(p))}
        found = {}
        for pid, (name, parent, start, ticks) in stats.items():
            key = (pid, start)
            if key not in self.known:
                self.known[key] = self.classify(pid, stats)
            if self.known[key]:
                found[key] = (self.known[key], name, parent, ticks)
        return found

    def classify(self, pid, stats):
        ancestor = pid
        while ancestor in stats and ancestor > 1:
            if ancestor in self.roots:
                return self.roots[ancestor]
            ancestor = stats[ancestor][1]
        if self.prefix and runs_in_prefix(pid, self.prefix):
            return 'prefix'
        return None


def boot_ticks():
    with open('/proc/uptime') as f:
        return float(f.read().split()[0]) * TICKS


def measure(groups, seconds, verbose):
    """Percent of one core per group over the next SECONDS."""
    opened, window_start = time.monotonic(), boot_ticks()
    now = groups.read()
    first_seen, latest = dict(now), dict(now)
    while time.monotonic() < opened + seconds:
        time.sleep(min(1.0, max(0.0, opened + seconds - time.monotonic())))
        now = groups.read()
        for key, process in now.items():
            first_seen.setdefault(key, process)
        latest.update(now)
    elapsed = time.monotonic() - opened
    by_pid = {key[0]: key for key in latest}  # the newest process of each pid

    def waited_for(key):
        """Whether a member of its group that is still there holds an ended process's ticks."""
        parent = by_pid.get(latest[key][2])
        return parent is not None and latest[parent][0] == latest[key][0] and (
            parent in now or waited_for(parent))

    used = {}
    for key, (group, name, parent, ticks) in latest.items():
        begin = 0 if key[1] >= window_start else first_seen[key][3]
        end = 0 if key not in now and waited_for(key) else ticks
        share = 100.0 * (end - begin) / TICKS / elapsed
        used[group] = used.get(group, 0.0) + share
        if verbose:
            print(f'{group:8} {key[0]:>7} {name:16} {share:6.2f} %', file=sys.stderr)
    return used


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--prefix', help='the Wine prefix whose other processes count')
    parser.add_argument('--settle', type=float, default=8, help='seconds before the window opens')
    parser.add_argument('-v', action='store_true', help="list each process's share on stderr")
    parser.add_argument('seconds', type=float)
    parser.add_argument('xserver', type=int, help='PID of the X server the program draws on')
    parser.add_argument('command', nargs='+')
    args = parser.parse_args()

    program = subprocess.Popen(args.command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        time.sleep(args.settle)
        if program.poll() is not None:
            sys.exit(f'idle_cost: {args.command[0]} exited with {program.returncode} before the window')
        used = measure(Groups(program.pid, args.xserver, args.prefix), args.seconds, args.v)
        if program.poll() is not None:
            sys.exit(f'idle_cost: {args.command[0]} exited with {program.returncode} in the window')
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()

    parts = ['own', 'prefix', 'xserver'] if args.prefix else ['own', 'xserver']
    print(' '.join(f'{p}={used.get(p, 0.0):.2f}' for p in parts), f'total={sum(used.values()):.2f}')


if __name__ == '__main__':
    main()
