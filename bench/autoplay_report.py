#!/usr/bin/env python3
"""How the autoplayer fares on each level: for every seed and level it starts the level with the
harness's `level N`, hands the frog to `autoplay on` and reads the trace until the level is
cleared or the game is over. Prints, per level, the share of seeds cleared, the deaths by cause
per run, and the seconds used against the level time.

Usage: bench/autoplay_report.py HARNESS CONTAINER [SEEDS] [FIRST_LEVEL] [LAST_LEVEL]
(defaults: 20 seeds, levels 0 to 15), on a Release build for speed."""
import collections
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

STEP = 0.02
CAUSES = {12: "pierced", 14: "drowned", 26: "piranha"}
CAUSES.update({state: "truck" for state in range(17, 22)})
CAUSES.update({state: "box" for state in range(22, 26)})
ORDER = ["run over", "drowned", "truck", "box", "piranha", "time out", "pierced"]


def cause(frame):
    state = frame["frog"]["state"]
    if state == 13:
        return "time out" if frame["levelTime"] < 0 else "run over"
    return CAUSES.get(state, "state %d" % state)


def outcome(frames, level):
    """(won, deaths, turns used, level time) once the trace decides the level, else None."""
    deaths, start, levelTime, previous = [], None, None, None
    for frame in frames:
        if start is None and frame["state"] == 1:
            start, levelTime = frame["turn"], frame["levelTime"]
        if start is None:
            continue
        if frame["level"] != level or frame["state"] in (2, 12):
            return True, deaths, frame["turn"] - start, levelTime
        if frame["state"] == 4 and previous != 4:
            deaths.append(cause(frame))
        if frame["state"] == 10:
            return False, deaths, frame["turn"] - start, levelTime
        previous = frame["state"]
    return None


def play(harness, work, seed, level):
    # Enough turns for every life at the longest level time; the run is stopped as soon as the
    # trace shows the level cleared or the game over, so a level costs only what it is played.
    turns = int((5 * 270 + 30) / STEP)
    script = "seed %d\nfocus on\nrun 2\nlevel %d\nautoplay on\ntrace trace.jsonl\nrun %d\n" % (seed, level, turns)
    open(os.path.join(work, "script.txt"), "w").write(script)
    trace = os.path.join(work, "trace.jsonl")
    if os.path.exists(trace):
        os.remove(trace)
    harnessRun = subprocess.Popen([harness, "script.txt"], cwd=work, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
    frames, offset, pending, result = [], 0, "", None
    while result is None:
        finished = harnessRun.poll() is not None
        if os.path.exists(trace):
            with open(trace) as lines:
                lines.seek(offset)
                pending += lines.read()
                offset = lines.tell()
            *complete, pending = pending.split("\n")
            frames.extend(json.loads(line) for line in complete if line)
            result = outcome(frames, level)
        if finished:
            break
        if result is None:
            time.sleep(0.2)
    if harnessRun.poll() is None:
        harnessRun.kill()
    harnessRun.wait()
    if result is None:
        print("seed %d level %d: the harness stopped undecided (exit %d)" % (seed, level, harnessRun.returncode),
              file=sys.stderr)
        return False, [], 0.0, 0.0
    won, deaths, turns, levelTime = result
    return won, deaths, turns * STEP, levelTime


def main():
    harness, container = os.path.abspath(sys.argv[1]), sys.argv[2]
    seeds = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    first = int(sys.argv[4]) if len(sys.argv) > 4 else 0
    last = int(sys.argv[5]) if len(sys.argv) > 5 else 15
    work = tempfile.mkdtemp()
    os.mkdir(os.path.join(work, "data"))
    shutil.copy(container, os.path.join(work, "data", "Quagleaper.dat"))
    print("level  cleared  deaths/run  " + "  ".join("%8s" % c for c in ORDER) + "  seconds used / level time (a frog)")
    for level in range(first, last + 1):
        cleared, causes, seconds, total = 0, collections.Counter(), [], 0
        for seed in range(1, seeds + 1):
            won, deaths, used, levelTime = play(harness, work, seed, level)
            cleared += won
            causes.update(deaths)
            total += len(deaths)
            if won:
                seconds.append(used)
        mean = sum(seconds) / len(seconds) if seconds else float("nan")
        print("%5d  %6.0f%%  %10.2f  " % (level, 100.0 * cleared / seeds, total / seeds)
              + "  ".join("%8.2f" % (causes[c] / seeds) for c in ORDER)
              + "  %6.1f / %.0f" % (mean, levelTime))
        sys.stdout.flush()
    shutil.rmtree(work)


main()
