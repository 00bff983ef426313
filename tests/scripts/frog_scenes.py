"""Small levels for the frog's harness scripts, and the planning of a key press: a first run
dumps the lanes, the planner finds the turn at which a press does what the script wants, and a
second run with the same seed plays it."""
import json
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from lane_pictures import write_background, write_lane_pictures  # noqa: E402

FROG_X = 425          # the start cell's centre: column 8 of 50 units
STEP = 0.02           # seconds per harness turn
HOP_LOOK_AHEAD = 0.4  # 0.8 of the half-second hop
RIVER, ROAD = 2, 1


def write_scene(areas, extra=(), goal=(12, 6)):
    """Areas of one lane under a grass row each, over a one-row start strip; three are seen at a
    time. extra: settings that replace the scene's own. areas: (type, speed, truck percent) per area; every lane runs to the right. The goal
    stands on the same cell in each level of the group."""
    # The first line of a key counts, so the script's own settings come first.
    lines = list(extra) + ["numAreas %d" % len(areas)] + ["GoalCell%s_00_%02d %d" % (axis, k, cell)
                                            for k in range(5) for axis, cell in zip(("Lat", "Long"), goal)]
    lines += ["frogStart%s_0_%d %d" % (axis, k, cell) for k in range(7)
              for axis, cell in (("CellLat", 8), ("CellLong", 0))]
    lines += """numWorlds 1
numTracksPerArea 1
numCellsStartStrip 1
numCellsPerGrassStrip 1
numCellsPerTrack 1
numFrogsToGoal 1
numFrogLifes 3
levelTimeSeconds 90
gridWidthUnits 800
numLatCells 16
MaxNumObjectsPerTrack 6
initInterval 12
scrollAccelerationPPS 2000
frogSpeedFactor00 1.0
waitAfterFrogDeathInterval 1
catchInsectsDistance 40
frogRocketJumpInterval 0.5
starScore 100
truckToTruckTravelScore 250
truckKillTimerInterval 3
hippoWaitBeforeDiveInterval 100
boxWaitBeforeKillInterval 100
vertOffsetMessageLine1 230
vertOffsetMessageLine2 275
scoreDisplayTime 1
scoreScrollSpeed 40
""".splitlines()
    for prefix, w in [("smallCar", 100), ("ragTopOpen", 110), ("ragTopClosed", 110),
                      ("truck", 200), ("trunk", 220), ("barrel", 60), ("hippo", 150),
                      ("waterLily", 70), ("box", 60)]:
        lines += ["%sObjectWidth %d" % (prefix, w), "%sObjectHeight 60" % prefix]
    for kind in ("Garbage", "ChezFred", "Electric", "Aquarium", "CementMixer"):
        lines.append("truck%sFrogOffsetX 60" % kind)
    kinds = ["grass"]
    for a, (kind, speed, trucks) in enumerate(areas):
        lines += ["areaType%02d %d" % (a, kind),
                  "direction_%02d_00 0" % a,
                  "trackSpeed_%02d_00 %d" % (a, speed),
                  "MinSpawnInterval_%02d_00 2.5" % a,
                  "MaxSpawnInterval_%02d_00 2.5" % a,
                  "relFrequTruckPerCent_A%02d_F00 %d" % (a, trucks),
                  "relFrequBoxPerCent_A%02d_F00 0" % a]
        kinds += ["river" if kind == RIVER else "road", "grass"] if a < 3 else []
    lines += write_lane_pictures()
    open("data/config.txt", "w").write("\n".join(lines) + "\n")
    write_background(800, 1500, kinds)
    for name in os.listdir("data"):
        if name.startswith("ArbitraryObjects_"):
            os.remove("data/" + name)


def lane(dump, row):
    return next(l for l in dump["lanes"] if l["row"] == row)


def first_turn(dump_file, row, fits, limit=600):
    """The number of turns to run after the dump before pressing a key, so that fits(objects, t)
    holds, where t is the time from the press and objects gives (type, x, width) at time t."""
    dump = json.load(open(dump_file))
    track = lane(dump, row)
    for k in range(limit):
        def at(t, k=k):
            dt = (k + 1) * STEP + t
            return [(o["type"], o["x"] + track["speed"] * dt, o["width"]) for o in track["objects"]]
        if fits(at):
            return k
    raise SystemExit("no turn fits")


def covers(objects, x, margin=0):
    return [o for o in objects if abs(o[1] - x) <= o[2] / 2 - margin]


def frames(trace="trace.jsonl"):
    return [json.loads(line) for line in open(trace)]


def state_runs(trace):
    """The game states one after the other, each run of equal states counted once."""
    states = []
    for f in trace:
        if not states or states[-1] != f["state"]:
            states.append(f["state"])
    return states
