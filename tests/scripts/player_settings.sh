# The player's settings file, quagleaper/settings.txt in the harness's folder: volumes and the
# language set on the options screen are saved at once and are there on the next start; Up moved
# to W hops the frog with W; a damaged file and a folder that refuses writing leave the game
# playing on what it has, with a log line and the old file untouched. Pause when the window is left
# works only when chosen.
source "$(dirname "$0")/harness-lib.bash"
settings=quagleaper/settings.txt

options_of() { python3 -c 'import json, sys; print(json.dumps(json.load(open(sys.argv[1]))["options"], sort_keys=True))' "$1"; }
option() { python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["options"][sys.argv[2]])' "$1" "$2"; }

# Music down two steps, effects down one, the language to English, Up to W, then away.
run_harness "focus on
run 30
key O
run 30
key LEFT
key LEFT
key DOWN
key LEFT
key DOWN
key RIGHT
key DOWN
key DOWN
key DOWN
key DOWN
key DOWN
key DOWN
key RETURN
key W
run 30
screenshot options.png
key ESC
run 30"
expect_status 0
for line in "musicVolume 80" "effectsVolume 90" "language en" "keyUp W"; do
    grep -qxF "$line" "$settings" || fail "the settings file lacks '$line': $(cat "$settings")"
done
[ ! -e "$settings.new" ] || fail "the file was not written in one piece"

# The next start has them, and W hops the frog up where Up no longer does.
run_harness "seed 1
focus on
run 30
dump restored.json
key S
run 120
dump before.json
key UP
run 10
dump up.json
key W
run 30
dump w.json"
expect_status 0
[ "$(option restored.json musicVolume)/$(option restored.json effectsVolume)" = "80/90" ] ||
    fail "volumes after the restart: $(options_of restored.json)"
[ "$(option restored.json language)" = "en" ] || fail "language after the restart: $(options_of restored.json)"
frog_y() { python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["frog"]["y"])' "$1"; }
[ "$(frog_y up.json)" = "$(frog_y before.json)" ] || fail "Up still hops the frog"
awk -v a="$(frog_y w.json)" -v b="$(frog_y up.json)" 'BEGIN { exit !(a > b) }' ||
    fail "W did not hop the frog up: $(frog_y up.json) to $(frog_y w.json)"
good=$(cat "$settings")

# Pause when the window is left: a level in play waits under the pause word, where by default it
# freezes as it stands.
for choice in off on; do
    printf 'pauseOnFocusLoss %s\n' "$choice" > "$settings"
    run_harness "seed 1
focus on
run 30
key S
run 60
focus off
run 5
focus on
trace focus-$choice.jsonl
run 3"
    expect_status 0
done
[ "$(trace_states focus-off.jsonl)" = "1 1 1 1" ] || fail "without the choice: states $(trace_states focus-off.jsonl)"
[ "$(trace_states focus-on.jsonl)" = "7 7 7 7" ] || fail "with the choice: states $(trace_states focus-on.jsonl)"

# A damaged file: binary bytes, a value out of range, a line far too long. The game plays on
# its defaults where a line was bad and keeps the good ones.
{ printf 'musicVolume 70\nlanguage xx\n\x00\xff\xfe\n'; head -c 3000 /dev/zero | tr '\0' 'a'; printf '\neffectsVolume 37\n'; } > "$settings"
run_harness "focus on
run 30
dump damaged.json"
expect_status 0
[ "$(option damaged.json musicVolume)/$(option damaged.json effectsVolume)" = "70/100" ] ||
    fail "a damaged file gave $(options_of damaged.json)"
grep -q "^PlayerSettings: .*'37' is no value for effectsVolume" debug.txt || fail "no word of the bad volume"

# A folder the game may not write to: the music toggled twice is refused once in the log, the
# game plays on, and the file stays as it was.
printf '%s\n' "$good" > "$settings"
printf 'focus on\nrun 30\nkey U\nrun 5\nkey U\nrun 5\ndump readonly.json\n' > script.txt
cp "$settings" before-readonly.txt
set +e
in_read_only quagleaper "$HARNESS" script.txt > harness.out 2>&1
STATUS=$?
set -e
expect_status 0
cmp -s "$settings" before-readonly.txt || fail "the read-only file changed"
[ "$(grep -c "cannot be written" debug.txt)" -eq 1 ] || fail "refusals logged: $(grep -c "cannot be written" debug.txt)"
[ "$(option readonly.json musicVolume)" = "80" ] || fail "the read-only file was not read"
echo "player settings: passed"
