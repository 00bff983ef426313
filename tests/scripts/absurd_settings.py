"""Absurd numbers in config.txt: every key of the table of settings set to -1, 0, a huge value,
inf and nan. Each start must finish its turns in bounded time, with no sanitizer report, the
game still moving (its states change), and a log line for every value held in range.

    absurd_settings.py HARNESS SOURCE_DIR            every key at once, once per value
    absurd_settings.py HARNESS SOURCE_DIR --each     the keys of one row of the table at a time
"""
import fnmatch
import json
import os
import re
import subprocess
import sys

# The title menu, help, paused, the high-score table (with its name entry) and the credits.
WAITING_FOR_THE_PLAYER = {11, 6, 7, 8, 13}
FATAL = 255
VALUES = ["-1", "0", "2147483648", "1e30", "inf", "nan"]
SCRIPT = """seed 7
focus on
trace trace.jsonl
run 2
key S
run 20
autoplay on
run 600
"""


def table_patterns(source_dir):
    text = open(os.path.join(source_dir, "src/core/SettingLimits.cpp")).read()
    return [p.lower() for p in re.findall(r'\{"([^"]+)", \{', text)]


def config_lines():
    return open("data/config.txt").read().splitlines()


def with_values(lines, wanted):
    """The lines, each key that `wanted` names set to its value."""
    out = []
    for line in lines:
        tokens = line.split()
        if tokens and not line.startswith("#") and tokens[0].lower() in wanted:
            line = tokens[0] + " " + wanted[tokens[0].lower()]
        out.append(line)
    return out


def run(harness, lines, label):
    open("data/config.txt", "w").write("\n".join(lines) + "\n")
    open("script.txt", "w").write(SCRIPT)
    if os.path.exists("trace.jsonl"):
        os.remove("trace.jsonl")
    try:
        done = subprocess.run([harness, "script.txt"], capture_output=True, text=True, timeout=300)
    except subprocess.TimeoutExpired:
        sys.exit("FAIL: %s: the game did not finish its turns" % label)
    if "Sanitizer" in done.stderr or "runtime error" in done.stderr:
        sys.exit("FAIL: %s: %s" % (label, done.stderr[-3000:]))
    log = open("debug.txt", encoding="latin-1").read()
    if done.returncode == FATAL and log.endswith("Exiting.\n"):
        # A setting that names pictures the data does not have (more top-layer sprites than
        # there are) is a fatal data error: reported, and ended in order.
        return False
    if done.returncode != 0:
        sys.exit("FAIL: %s: exit status %d" % (label, done.returncode))
    frames = [json.loads(line) for line in open("trace.jsonl")]
    if len(set(f["state"] for f in frames)) < 2:
        sys.exit("FAIL: %s: the game never left state %s" % (label, frames[-1]["state"]))
    # Frozen, every turn would look the same but for its number and time; only the screens
    # that wait for the player may stand still.
    late = {json.dumps({k: v for k, v in f.items() if k not in ("turn", "ms")}, sort_keys=True)
            for f in frames[-300:]}
    if len(late) < 2 and frames[-1]["state"] not in WAITING_FOR_THE_PLAYER:
        sys.exit("FAIL: %s: the game stood still in state %s" % (label, frames[-1]["state"]))
    return True


def main():
    harness, source_dir = sys.argv[1], sys.argv[2]
    each = "--each" in sys.argv
    original = config_lines()
    keys = sorted({l.split()[0].lower() for l in original if l.split() and not l.startswith("#")
                   and l.split()[0].upper() not in ("SECTION", "ENDSECTION")})
    patterns = table_patterns(source_dir)
    row_of = {k: next(p for p in patterns if fnmatch.fnmatchcase(k, p)) for k in keys}
    groups = [[k for k in keys if row_of[k] == p] for p in patterns] if each else [keys]
    played = ended = 0
    for group in (g for g in groups if g):
        for value in VALUES:
            label = "%s = %s" % (row_of[group[0]] if each else "every key", value)
            if run(harness, with_values(original, {k: value for k in group}), label):
                played += 1
            else:
                ended += 1
            log = open("debug.txt", encoding="latin-1").read()
            # Above every range whether read as an integer or a float ("1e30" reads 1 as %d);
            # a row alone may hold keys that the first turns never read.
            if not each and value == "2147483648" and " is outside [" not in log:
                sys.exit("FAIL: %s: no value was held in range" % label)
    if played < ended:
        sys.exit("FAIL: only %d of %d runs played" % (played, played + ended))
    print("absurd settings: %d runs played, %d ended on a fatal data error" % (played, ended))


main()
