# The player's language: German without a word from the script, English with `language en`,
# in the screen messages (the clock runs out) and in the worded pictures (title menu and help),
# which keep their layout: only the words differ.
source "$(dirname "$0")/harness-lib.bash"
export PYTHONPATH="$SOURCE_DIR/tests/scripts"
python3 -c "
from frog_scenes import *
write_scene([(ROAD, 10, 0)] * 3, extra=['levelTimeSeconds 2', 'messageInterval 2'])"

for language in de en; do
    run_harness "$([ $language = en ] && echo 'language en')
focus on
run 60
screenshot title-$language.png
key H
run 60
screenshot help-$language.png
key ESC
run 60
trace trace-$language.jsonl
key S
run 200"
    expect_status 0
    [ -n "${SHOTS:-}" ] && cp title-$language.png help-$language.png "$SHOTS"/
done

python3 - <<'PY' || fail "languages"
import json
from png_pixels import pixels, differs
def messages(name):
    return {tuple(json.loads(line)["message"] or ()) for line in open(name)} - {()}
assert messages("trace-de.jsonl") == {("Deine Zeit ist abgelaufen!", "")}, messages("trace-de.jsonl")
assert messages("trace-en.jsonl") == {("Your time is up!", "")}, messages("trace-en.jsonl")
for screen, words, still in (("title", (0, 150, 600, 180), (250, 250, 400, 400)),
                             ("help", (30, 40, 780, 560), (0, 0, 20, 600))):
    german, english = pixels(screen + "-de.png"), pixels(screen + "-en.png")
    assert differs(german, english, words), screen + ": the same words in both languages"
    assert not differs(german, english, still), screen + ": the layout moved"
PY
exit 0
