#!/bin/sh
# Measures Tintmark against baselines taken in the same run, since the machines are shared and
# noisy, and prints each figure with its baseline, their ratio and the target. Exits with 1 when
# a target is missed. Needs Xvfb, a D-Bus daemon, xdotool and GNU time; ./build.sh bench
# installs them.
# Usage: bench/run.sh BUILD_DIR
set -eu

build=$(cd "${1:?usage: bench/run.sh BUILD_DIR}" && pwd)
tintmark=$build/app/tintmark
bench=$build/bench
startRounds=15
memoryRounds=5

work=$(mktemp -d)
xvfb=""
bus=""
cleanup() {
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    [ -z "$bus" ] || kill "$bus" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Qt wants a private runtime folder and warns on every start without one.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

missed=0
# report FIGURE TINTMARK BASELINE UNIT TARGET; a target of - prints the ratio for reference only.
report() {
    awk -v figure="$1" -v value="$2" -v baseline="$3" -v unit="$4" -v target="$5" 'BEGIN {
        ratio = value / baseline
        verdict = target == "-" ? "(reference)" : (ratio <= target ? "ok" : "MISSED")
        goal = target == "-" ? "" : sprintf("<= %.2f", target)
        printf "%-38s %9.2f %-3s %9.2f %-3s %6.3f  %-8s %s\n", figure, value, unit, baseline, unit, ratio, goal, verdict
        exit verdict == "MISSED"
    }' || missed=1
}

echo "Tintmark benchmark, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Machine: $(grep -m 1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores," \
    "Linux $(uname -r), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')"
saves=${TMPDIR:-/tmp}
echo "Saves go to $saves ($(df -T "$saves" | awk 'NR == 2 { print $2 }'))"
echo
printf "%-38s %13s %13s %6s  %s\n" "figure" "Tintmark" "baseline" "ratio" "target"

# In-process figures, on Qt's offscreen platform. Every hand-off row runs the same number of
# hand-offs, so the line they extend grows alike; saves repeat until they take 300 ms. Qt Test
# times in whole milliseconds, so a result is its total over its iterations.
QT_QPA_PLATFORM=offscreen "$bench/bench_tintmark" -csv -iterations 400 -median 7 handOff \
    >"$work/handoff.csv" 2>"$work/bench.log"
QT_QPA_PLATFORM=offscreen "$bench/bench_tintmark" -csv -minimumtotal 300 -median 7 save \
    >"$work/save.csv" 2>>"$work/bench.log"
result() { awk -F, -v row="\"$2\"" '$2 == row { print $5 / $6 }' "$work/$1.csv"; }

handOff1K=$(result handoff "1 KiB")
report "hand-off into 1 MiB script vs 1 KiB" "$(result handoff "1 MiB")" "$handOff1K" ms 2
report "hand-off into 8 MiB script vs 1 KiB" "$(result handoff "8 MiB")" "$handOff1K" ms 2
for size in 1 8; do
    report "save $size MiB vs plain QFile write" "$(result save "$size MiB Tintmark")" \
        "$(result save "$size MiB plain QFile")" ms 2
    report "save $size MiB vs QSaveFile write" "$(result save "$size MiB Tintmark")" \
        "$(result save "$size MiB QSaveFile")" ms -
done

# Whole-process figures in a real X server with no window manager, and a session bus as on a
# player's desktop: Qt's accessibility support connects to it while the first window is made,
# and without one it tries to start a bus first, a delay no player sees.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid" \
    2>"$work/dbus.log"
bus=$(cat "$work/bus.pid")
DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
waited=0
until [ -s "$work/display" ]; do
    waited=$((waited + 1))
    [ "$waited" -le 100 ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 2; }
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"

# Start-up, from exec until the main window is mapped. The first runs warm the page cache and
# give the bare window Tintmark's client size; then the two alternate, each going first in turn.
size=$("$bench/timetomap" "$tintmark" | cut -d' ' -f2)
"$bench/timetomap" "$bench/barewindow" "$size" >/dev/null
round=0
while [ "$round" -lt "$startRounds" ]; do
    if [ $((round % 2)) -eq 0 ]; then
        "$bench/timetomap" "$tintmark" | cut -d' ' -f1 >>"$work/start-tintmark"
        "$bench/timetomap" "$bench/barewindow" "$size" | cut -d' ' -f1 >>"$work/start-bare"
    else
        "$bench/timetomap" "$bench/barewindow" "$size" | cut -d' ' -f1 >>"$work/start-bare"
        "$bench/timetomap" "$tintmark" | cut -d' ' -f1 >>"$work/start-tintmark"
    fi
    round=$((round + 1))
done
report "start-up until the main window maps" "$(median <"$work/start-tintmark")" \
    "$(median <"$work/start-bare")" ms 1.5

# Peak resident memory: Tintmark with both windows open against the bare window, each left a
# second to settle after its last window maps.
endTimed() {
    sleep 1
    pkill -TERM -P "$1"
    wait "$1" || true
    tail -n 1 "$work/rss"
}
tintmarkPeak() {
    /usr/bin/time -f %M -o "$work/rss" "$tintmark" &
    timer=$!
    main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tintmark for COD 2 and COD$' | head -n 1)
    # A click in the middle of "CFG Editor" (7320 + 1095 / 2, 1080 + 375 / 2 twips).
    xdotool mousemove --window "$main" 524 84 click 1
    timeout 20 xdotool search --sync --onlyvisible --name '^Tintmark Editor$' >/dev/null
    endTimed "$timer"
}
barePeak() {
    /usr/bin/time -f %M -o "$work/rss" "$bench/barewindow" "$size" &
    timer=$!
    timeout 20 xdotool search --sync --onlyvisible --classname '^barewindow$' >/dev/null
    endTimed "$timer"
}
round=0
while [ "$round" -lt "$memoryRounds" ]; do
    tintmarkPeak >>"$work/rss-tintmark"
    barePeak >>"$work/rss-bare"
    round=$((round + 1))
done
report "peak memory, both windows open" "$(median <"$work/rss-tintmark" | awk '{ print $1 / 1024 }')" \
    "$(median <"$work/rss-bare" | awk '{ print $1 / 1024 }')" MiB 1.25

exit "$missed"
