# Every key of config.txt at once set to -1, 0, a huge value, inf and nan: the game starts,
# plays and moves on each time (tests/long/absurd_settings_each.sh sets the keys row by row).
source "$(dirname "$0")/harness-lib.bash"
python3 "$SOURCE_DIR/tests/scripts/absurd_settings.py" "$HARNESS" "$SOURCE_DIR"
