# Every file of the data set missing in turn: the game either plays on (a sound, an alpha map, a
# text it can do without) or ends with exit code -1 and says which file it lacked; never a
# crash, never a sanitizer report. Long: one start of the game per file.
source "$(dirname "$0")/../scripts/harness-lib.bash"
mkdir -p all
mv data/* all/
printf 'focus on\nrun 20\nkey S\nrun 40\n' > script.txt
for path in all/*; do
    name=$(basename "$path")
    rm -f data/*
    cp all/* data/
    rm "data/$name"
    set +e
    "$HARNESS" script.txt > harness.out 2>&1
    status=$?
    set -e
    ! grep -qE "ERROR: AddressSanitizer|runtime error:|LeakSanitizer" harness.out \
        || fail "$name missing: $(grep -m3 -E 'ERROR|runtime error' harness.out)"
    case $status in
        0) ;;
        255) grep -qiF "${name%.*}" debug.txt || fail "$name missing: no line names it";;
        *) fail "$name missing: exit status $status";;
    esac
    echo "$name: $status"
done
exit 0
