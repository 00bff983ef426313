# Road and river lanes with every kind of object: the cars and trucks with their shadows and
# stars, the river objects and boxes, the goal and an obstacle from the level's file. With T
# pressed on the title the same seed gives the same lanes without shadows.
source "$(dirname "$0")/harness-lib.bash"

SOURCE_DIR="$SOURCE_DIR" python3 - <<'PY'
import os, sys
sys.path.insert(0, os.path.join(os.environ["SOURCE_DIR"], "tests", "scripts"))
from lane_pictures import write_background, write_lane_pictures
# Cars on the first road, the river in the middle, every kind of truck on the last road.
areas = [1, 2, 1]
lines = """numWorlds 1
numAreas 3
numTracksPerArea 2
numCellsStartStrip 1
numCellsPerGrassStrip 0
numCellsPerTrack 1
numFrogsToGoal 1
numFrogLifes 3
levelTimeSeconds 90
gridWidthUnits 800
numLatCells 16
MaxNumObjectsPerTrack 6
initInterval 30
scrollAccelerationPPS 2000
frogSpeedFactor00 1.0
GoalCellLat_00_00 12
GoalCellLong_00_00 0
waterLilyGoalOffsetX 0
waterLilyGoalOffsetY 0
ragtopShadowOffsetX 7
ragtopShadowOffsetY -7
smallCarShadowOffsetX 7
smallCarShadowOffsetY -7
truckShadowOffsetX 9
truckShadowOffsetY -9
truckVerticalOffsetStar 0
truckKillTimerInterval 3
truckFrontEndNonBlockAreaWidth 40
hippoWaitBeforeDiveInterval 2
boxWaitBeforeKillInterval 3
""".splitlines()
lines += ["areaType%02d %d" % (a, t) for a, t in enumerate(areas)]
for prefix, w in [("smallCar", 100), ("ragTopOpen", 110), ("ragTopClosed", 110),
                  ("truck", 200), ("trunk", 220), ("barrel", 60), ("hippo", 150),
                  ("waterLily", 70), ("box", 60)]:
    lines += ["%sObjectWidth %d" % (prefix, w), "%sObjectHeight 60" % prefix]
for kind in ("Garbage", "ChezFred", "Electric", "Aquarium", "CementMixer"):
    lines.append("truck%sFrogOffsetX 60" % kind)
for a, (trucks, boxes) in enumerate([(0, 0), (0, 45), (100, 0)]):
    lines += ["relFrequTruckPerCent_A%02d_F00 %d" % (a, trucks),
              "relFrequBoxPerCent_A%02d_F00 %d" % (a, boxes)]
    for t in range(2):
        lines += ["direction_%02d_%02d %d" % (a, t, t % 2),
                  "trackSpeed_%02d_%02d %d" % (a, t, 50 + 15 * t),
                  "MinSpawnInterval_%02d_%02d 0.5" % (a, t),
                  "MaxSpawnInterval_%02d_%02d 1.5" % (a, t)]
lines += write_lane_pictures()
open("data/config.txt", "w").write("\n".join(lines) + "\n")
write_background(800, 600, ["grass", "road", "road", "river", "river", "road", "road"])
# An obstacle and a water cell on the start strip, a comment and a line of another type.
open("data/ArbitraryObjects_00_00.txt", "w").write(
    "# the stone by the start\n1, 3, 0, 40, 40\n2, 5, 0, 0, 0\n9, 1, 1, 1, 1\n")
PY

run_harness "seed 27
focus on
run 2
key S
run 80
dump on.json
screenshot shadows_on.png"
expect_status 0
run_harness "seed 27
focus on
run 2
key T
key S
run 80
dump off.json
screenshot shadows_off.png"
expect_status 0
expect_log_line " Invalid arbitrary object type 9."
[ -n "${SHOTS:-}" ] && cp shadows_on.png shadows_off.png "$SHOTS"/

python3 - <<'PY' || fail "objects"
import json
on, off = json.load(open("on.json")), json.load(open("off.json"))
assert on["lanes"] == off["lanes"], "the shadow switch changed the lanes"
seen = {o["type"] for l in on["lanes"] for o in l["objects"] if 0 <= o["x"] <= 800}
assert seen == set(range(15)), sorted(set(range(15)) - seen)
for lane in on["lanes"]:
    for o in lane["objects"]:
        assert o["state"] == 2 and o["frogAboard"] is False, o
assert on["goal"] == {"x": 625.0, "y": 37.0}, on["goal"]
assert on["obstacles"] == [{"x": 175, "y": 37, "width": 40, "height": 40}], on["obstacles"]
assert [3, 0] in on["blockedCells"] and [5, 0] in on["waterCells"], (on["blockedCells"], on["waterCells"])
PY
cmp -s shadows_on.png shadows_off.png && fail "shadows on and off look the same"
exit 0
