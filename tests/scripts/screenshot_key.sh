# F12 saves the frame shown as a PNG into $XDG_PICTURES_DIR/Quagleaper, named by date and time,
# and says so on screen; a second press in the same second does not overwrite the first. Without
# a usable pictures folder the shot lands in ~/Pictures/Quagleaper, then in the game's own folder.
source "$(dirname "$0")/harness-lib.bash"

mkdir pictures home
export XDG_PICTURES_DIR=$WORK/pictures HOME=$WORK/home
run_harness "seed 3
focus on
key S
run 30
screenshot expected.png
key F12
key F12
trace trace.jsonl
run 1"
expect_status 0
mapfile -t shots < <(ls pictures/Quagleaper)
[ "${#shots[@]}" -eq 2 ] || fail "shots: ${shots[*]}"
[[ ${shots[0]} =~ ^quagleaper-[0-9]{4}(-[0-9]{2}){5}(-2)?\.png$ ]] || fail "name ${shots[0]}"
for shot in "${shots[@]}"; do
    cmp -s expected.png "pictures/Quagleaper/$shot" || fail "$shot is not the frame shown"
done
grep -q '"message":\["Bildschirmfoto gespeichert","quagleaper-' trace.jsonl || fail "no word on screen: $(head -c 600 trace.jsonl)"
grep -q "^Screenshot saved as $WORK/pictures/Quagleaper/quagleaper-" debug.txt || fail "no log line"
[ -z "$(ls -A home)" ] || fail "wrote into the home folder too"

# A pictures folder that cannot be made: the home's Pictures, then the game's folder.
touch not-a-folder
XDG_PICTURES_DIR=$WORK/not-a-folder run_harness "focus on
run 3
key F12
run 1"
expect_status 0
ls home/Pictures/Quagleaper/quagleaper-*.png > /dev/null || fail "nothing in ~/Pictures/Quagleaper"
XDG_PICTURES_DIR=$WORK/not-a-folder HOME=$WORK/not-a-folder run_harness "focus on
run 3
key F12
run 1"
expect_status 0
ls quagleaper-*.png > /dev/null || fail "nothing in the game's folder"
echo "screenshot key: passed"
