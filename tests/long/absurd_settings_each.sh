# The keys of each row of the table of settings in turn set to -1, 0, a huge value, inf and
# nan, the rest as shipped: each start plays and moves on.
source "$(dirname "$0")/../scripts/harness-lib.bash"
python3 "$SOURCE_DIR/tests/scripts/absurd_settings.py" "$HARNESS" "$SOURCE_DIR" --each
