#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tintmark developers
# SPDX-License-Identifier: GPL-3.0-or-later
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
# Settings and data of their own: a recovery copy the player's Tintmark left would otherwise be
# offered at every start and hold the windows back.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

missed=0
# report FIGURE ROUNDS UNIT TARGET: ROUNDS is a file with a line "TINTMARK BASELINE" for each
# round. Prints the medians and the median of the rounds' ratios, which a slow spell of the
# machine shifts less than it shifts either median. A target of - marks a figure for reference.
report() {
    awk -v figure="$1" -v unit="$3" -v target="$4" '
        function median(a, n,   i, j, t) {
            for (i = 2; i <= n; i++)
                for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
        }
        { value[NR] = $1; baseline[NR] = $2; ratio[NR] = $1 / $2 }
        END {
            r = median(ratio, NR)
            verdict = target == "-" ? "(reference)" : (r <= target ? "ok" : "MISSED")
            goal = target == "-" ? "" : sprintf("<= %.2f", target)
            printf "%-42s %9.2f %-3s %9.2f %-3s %6.3f  %-8s %s\n", figure, median(value, NR), unit,
                median(baseline, NR), unit, r, goal, verdict
            exit verdict == "MISSED"
        }' "$2" || missed=1
}

echo "Tintmark benchmark, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Machine: $(grep -m 1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores," \
    "Linux $(uname -r), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')"
saves=${TMPDIR:-/tmp}
echo "Saves go to $saves ($(df -T "$saves" | awk 'NR == 2 { print $2 }'))"
echo
printf "%-42s %13s %13s %6s  %s\n" "figure" "Tintmark" "baseline" "ratio" "target"

# In-process figures, on Qt's offscreen platform; Qt Test times in whole milliseconds, so a
# result is its total over its iterations. Every hand-off row runs the same number of
# hand-offs, so the line they extend grows alike.
inProcess() { # CSV ARGUMENT...: appends what bench_tintmark ARGUMENT... measures to $work/CSV.csv
    csv=$1
    shift
    QT_QPA_PLATFORM=offscreen "$bench/bench_tintmark" -csv "$@" >>"$work/$csv.csv" \
        2>>"$work/bench.log"
}
pairs() { # CSV ROW BASELINE_ROW: "ROW BASELINE_ROW" for each run, in the order of the runs
    awk -F, -v row="\"$2\"" -v base="\"$3\"" '
        $2 == row { value[++v] = $5 / $6 }
        $2 == base { baseline[++b] = $5 / $6 }
        END { for (i = 1; i <= v; i++) print value[i], baseline[i] }' "$work/$1.csv"
}

inProcess handOff -iterations 400 -median 7 handOff
for row in "1 MiB" "8 MiB" "8 MiB with an empty name"; do
    pairs handOff "$row" "1 KiB" >"$work/rounds"
    case $row in
    *name) figure="  the same with an empty name" ;;
    *) figure="hand-off into $row script vs 1 KiB" ;;
    esac
    report "$figure" "$work/rounds" ms 2
done

# Disk writes vary much from one moment to the next: twelve runs, each timing the four writers
# one after another in an order that turns from run to run, and each giving its own ratios.
for round in 1 2 3 4 5 6 7 8 9 10 11 12; do
    case $((round % 4)) in
    0) order="Tintmark;plain QFile;synced QFile;QSaveFile" ;;
    1) order="plain QFile;synced QFile;QSaveFile;Tintmark" ;;
    2) order="synced QFile;QSaveFile;Tintmark;plain QFile" ;;
    3) order="QSaveFile;Tintmark;plain QFile;synced QFile" ;;
    esac
    set --
    for size in 1 8; do
        IFS=';'
        for writer in $order; do
            set -- "$@" "save:$size MiB $writer"
        done
        unset IFS
    done
    inProcess save -minimumtotal 200 -median 3 "$@"
done
# The save replaces the script atomically and flushes it and its folder to the disk, so its
# target is set against a replace flushed alike: the least a save that keeps the old script until
# the new one is whole costs. At 1 MiB the rename and the two flushes are most of it.
for size in 1 8; do
    pairs save "$size MiB Tintmark" "$size MiB QSaveFile" >"$work/rounds"
    report "save $size MiB vs QSaveFile and folder sync" "$work/rounds" ms 1.5
    pairs save "$size MiB Tintmark" "$size MiB synced QFile" >"$work/rounds"
    report "save $size MiB vs QFile write and sync" "$work/rounds" ms -
    pairs save "$size MiB Tintmark" "$size MiB plain QFile" >"$work/rounds"
    report "save $size MiB vs plain QFile write" "$work/rounds" ms -
done

# Checking a script of the game's largest size with its timeline, against splitting it into
# lines; nine runs, each timing both.
for round in 1 2 3 4 5 6 7 8 9; do
    inProcess check -minimumtotal 100 -median 3 "check:check and timeline" "check:split into lines"
done
pairs check "check and timeline" "split into lines" >"$work/rounds"
report "check 64 KiB script vs split into lines" "$work/rounds" ms 4

# A player's config as the game writes it, about 20 KB with 40 binds, checked by the whole
# process as a player checks it, against the process that only prints its version: the keys are
# pressed from the state the script left, not by running it again for each. Nine rounds, each
# timing both, each command in turn first.
awk 'BEGIN {
    printf "// generated by Call of Duty, do not modify\r\nunbindall\r\n"
    for (i = 0; i < 40; i++)
        printf "bind F%d \"say %d\"\r\n", i + 1, i
    for (i = 0; i < 760; i++)
        printf "seta cg_setting_%d \"%d\"\r\n", i, i
    printf "seta name \"^1Player\"\r\n"
}' >"$work/config_mp.cfg"
milliseconds() { # COMMAND...: how long it takes, in milliseconds
    start=$(date +%s%N)
    "$@" >/dev/null
    echo $((($(date +%s%N) - start) / 1000)) | awk '{ print $1 / 1000 }'
}
for round in 1 2 3 4 5 6 7 8 9; do
    if [ $((round % 2)) -eq 1 ]; then
        checked=$(milliseconds "$tintmark" --check "$work/config_mp.cfg")
        version=$(milliseconds "$tintmark" --version)
    else
        version=$(milliseconds "$tintmark" --version)
        checked=$(milliseconds "$tintmark" --check "$work/config_mp.cfg")
    fi
    echo "$checked $version" >>"$work/config"
done
report "check a 20 KB config, 40 binds, vs --version" "$work/config" ms 2

# Each key costs about what a line costs: a config binding 1,000 keys against one of the same
# length that binds none, nine rounds, each in turn first.
awk 'BEGIN {
    for (i = 0; i < 1000; i++)
        printf "bind k%04d \"say %04d\"\r\n", i, i
}' >"$work/binds.cfg"
awk 'BEGIN {
    for (i = 0; i < 1000; i++)
        printf "seta s%04d \"%08d\"\r\n", i, i
}' >"$work/nobinds.cfg"
for round in 1 2 3 4 5 6 7 8 9; do
    if [ $((round % 2)) -eq 1 ]; then
        bound=$(milliseconds "$tintmark" --check "$work/binds.cfg")
        unbound=$(milliseconds "$tintmark" --check "$work/nobinds.cfg")
    else
        unbound=$(milliseconds "$tintmark" --check "$work/nobinds.cfg")
        bound=$(milliseconds "$tintmark" --check "$work/binds.cfg")
    fi
    echo "$bound $unbound" >>"$work/binds"
done
report "check 1,000 binds vs a config of none" "$work/binds" ms 2

# Every frame of each effect made for a name of 31 bytes and played through the console model,
# against checking the script it makes; seven runs, each timing all of them.
effects="color cycle;chase;typewriter;rainbow shift;blink"
for round in 1 2 3 4 5 6 7; do
    inProcess animation -minimumtotal 50 -median 3 animation
done
IFS=';'
for effect in $effects; do
    unset IFS
    pairs animation "$effect" "$effect script checked" |
        awk '{ print $1 * 1000, $2 * 1000 }' >"$work/rounds"
    report "animate: $effect vs check its script" "$work/rounds" us 2
    IFS=';'
done
unset IFS

# A key typed into the name box and taken back with the preview kept on screen, against the same
# in a bare QLineEdit, and in the letters of an installed COD 2's font against the desktop's;
# seven runs, each timing the three in a turning order.
for round in 1 2 3 4 5 6 7; do
    case $((round % 3)) in
    0) order="Tintmark;bare;Tintmark in game letters" ;;
    1) order="Tintmark in game letters;Tintmark;bare" ;;
    2) order="bare;Tintmark in game letters;Tintmark" ;;
    esac
    set --
    IFS=';'
    for row in $order; do
        set -- "$@" "keystroke:$row"
    done
    unset IFS
    inProcess keystroke -minimumtotal 200 -median 5 "$@"
done
pairs keystroke Tintmark bare | awk '{ print $1 * 1000, $2 * 1000 }' >"$work/rounds"
report "keystroke, preview kept, vs bare QLineEdit" "$work/rounds" us 3
pairs keystroke "Tintmark in game letters" Tintmark | awk '{ print $1 * 1000, $2 * 1000 }' \
    >"$work/rounds"
report "  in the game's letters vs the desktop's" "$work/rounds" us 1.1

# The kept preview opened until it has drawn and closed, in the game's letters, read before,
# against the desktop's; seven runs, each timing both.
for round in 1 2 3 4 5 6 7; do
    inProcess firstPreview -minimumtotal 50 -median 3 "firstPreview:desktop letters" \
        "firstPreview:game letters"
done
pairs firstPreview "game letters" "desktop letters" | awk '{ print $1, $2 }' >"$work/rounds"
report "preview opened, game's letters vs desktop's" "$work/rounds" ms 1.5

# An 8 MiB script opened in the editor with the player window open, against a bare editor given
# the same text: each in a process of its own, timed inside and measured for its peak memory
# from outside; five rounds, each going first in turn.
openBig() { # ROW: appends "MILLISECONDS PEAK_MIB" of opening in that row to $work/open.ROW
    QT_QPA_PLATFORM=offscreen /usr/bin/time -f %M -o "$work/rss" "$bench/bench_tintmark" -csv \
        "openBig:$1" >"$work/open.csv" 2>>"$work/bench.log"
    awk -F, '{ milliseconds = $5 / $6 } END { printf "%s ", milliseconds }' "$work/open.csv" \
        >>"$work/open.$1"
    awk '{ print $1 / 1024 }' "$work/rss" >>"$work/open.$1"
}
for round in 1 2 3 4 5; do
    if [ $((round % 2)) -eq 1 ]; then
        openBig Tintmark
        openBig bare
    else
        openBig bare
        openBig Tintmark
    fi
done
paste -d' ' "$work/open.Tintmark" "$work/open.bare" | awk '{ print $1, $3 }' >"$work/rounds"
report "open 8 MiB script vs bare editor" "$work/rounds" ms 1.5
paste -d' ' "$work/open.Tintmark" "$work/open.bare" | awk '{ print $2, $4 }' >"$work/rounds"
report "  its peak memory" "$work/rounds" MiB 1.25

# Whole-process figures in a real X server with no window manager, and a session bus as on a
# player's desktop: Qt's accessibility support connects to it while the first window is made,
# and without one it tries to start a bus first, a delay no player sees.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid" \
    2>"$work/dbus.log"
bus=$(cat "$work/bus.pid")
DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
# Without -noreset the server resets whenever its last client leaves, between two timed runs,
# and drops a connection that comes in meanwhile.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
xvfb=$!
waited=0
until [ -s "$work/display" ]; do
    waited=$((waited + 1))
    [ "$waited" -le 100 ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 2; }
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"

# A home with two games installed as Steam installs them, COD 2 with a player's profile and COD,
# each with the config the game writes.
steamGames="$work/home/.local/share/Steam/steamapps/common"
mkdir -p "$steamGames/Call of Duty 2/main/players/Player" "$steamGames/Call of Duty/main"
: >"$steamGames/Call of Duty 2/main/iw_00.iwd"
: >"$steamGames/Call of Duty/main/pak0.pk3"
for config in "Call of Duty 2/main/players/Player/config_mp.cfg" "Call of Duty/main/config_mp.cfg"; do
    printf '%s\r\n' '// generated by Call of Duty, do not modify' unbindall 'bind F1 "say hello"' \
        'seta com_maxfps "125"' 'seta name "^1Tint^7mark"' >"$steamGames/$config"
done

# Start-up, from exec until the main window is mapped, against two baselines: the bare window,
# and the floor of widgets (bench/barewidgets.cpp), a program with the kinds of widgets, the
# fonts and Qt's catalogue that Tintmark's main window has, and nothing of Tintmark. The first
# runs warm the page cache and give both baselines Tintmark's window size; then the three take
# turns, each going first in turn.
size=$("$bench/timetomap" "$tintmark" | cut -d' ' -f2)
"$bench/timetomap" "$bench/barewindow" "$size" >/dev/null
"$bench/timetomap" "$bench/barewidgets" "$size" >/dev/null
# A round where any run failed (a window that never mapped, an X server that refused) is tried
# again and never counted; too few good rounds are said, not turned into a ratio.
isMilliseconds() { case $1 in '' | *[!0-9.]*) return 1 ;; esac }
mapped() { # PROGRAM ARGUMENT...: milliseconds until its window maps, in $environment
    env $environment "$bench/timetomap" "$@" 2>>"$work/start.log" | cut -d' ' -f1
}
# startUp FIGURE TARGET ENVIRONMENT...: the rounds with env's arguments ENVIRONMENT, Tintmark
# against both baselines, reported, TARGET the ratio to the bare window.
startUp() {
    figure=$1
    bareTarget=$2
    shift 2
    environment="$*"
    round=0
    attempts=0
    : >"$work/start"
    while [ "$round" -lt "$startRounds" ] && [ "$attempts" -lt $((2 * startRounds)) ]; do
        attempts=$((attempts + 1))
        case $((attempts % 3)) in
        0)
            tintmarkStart=$(mapped "$tintmark")
            bareStart=$(mapped "$bench/barewindow" "$size")
            floorStart=$(mapped "$bench/barewidgets" "$size")
            ;;
        1)
            bareStart=$(mapped "$bench/barewindow" "$size")
            floorStart=$(mapped "$bench/barewidgets" "$size")
            tintmarkStart=$(mapped "$tintmark")
            ;;
        2)
            floorStart=$(mapped "$bench/barewidgets" "$size")
            tintmarkStart=$(mapped "$tintmark")
            bareStart=$(mapped "$bench/barewindow" "$size")
            ;;
        esac
        if isMilliseconds "$tintmarkStart" && isMilliseconds "$bareStart" \
            && isMilliseconds "$floorStart"; then
            echo "$tintmarkStart $bareStart $floorStart" >>"$work/start"
            round=$((round + 1))
        fi
    done
    if [ "$round" -lt "$startRounds" ]; then
        printf "%-42s only %d of %d rounds ran; see %s\n" "$figure" "$round" "$startRounds" \
            "$work/start.log"
        missed=1
    else
        awk '{ print $1, $2 }' "$work/start" >"$work/rounds"
        report "$figure" "$work/rounds" ms "$bareTarget"
        awk '{ print $1, $3 }' "$work/start" >"$work/rounds"
        report "    against the floor of widgets" "$work/rounds" ms 1.15
        awk '{ print $3, $2 }' "$work/start" >"$work/rounds"
        report "    the floor itself vs the bare window" "$work/rounds" ms -
    fi
}
# Against the bare window the target allows for the floor of widgets, which alone takes 1.3 to 1.7
# times the bare window's time (fontconfig's set-up for the fonts is a third of its
# instructions); each row shows the floor's own ratio for reference.
startUp "start-up until the main window maps" 1.8 LANG="${LANG:-C}"
# With a catalogue loaded: German, and Qt's own German, which the bare window does not load.
startUp "  the same under LANG=de_DE.UTF-8" 1.8 LANG=de_DE.UTF-8
startUp "  the same with two games installed" 1.8 LANG="${LANG:-C}" HOME="$work/home"
# Without a bus, Qt's accessibility support looks for one first, in the baselines too.
startUp "  the same without a session bus" 1.8 -u DBUS_SESSION_BUS_ADDRESS LANG="${LANG:-C}"

# Peak resident memory: Tintmark with both windows open against the bare window and against the
# floor of widgets with a second window of the editor's size, each left a second to settle after
# its last window maps. The floor alone takes 1.27 times the bare window's memory: Qt's widgets'
# and text's code, the fonts and the second window.
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
    # "CFG &Editor" by its access key, wherever the menu bar puts the layout.
    xdotool windowfocus --sync "$main" key alt+e
    editor=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tintmark Editor$' | head -n 1)
    xdotool getwindowgeometry --shell "$editor" |
        awk -F= '/^WIDTH/ { width = $2 } /^HEIGHT/ { height = $2 } END { print width "x" height }' \
            >"$work/editorSize"
    endTimed "$timer"
}
barePeak() {
    /usr/bin/time -f %M -o "$work/rss" "$bench/barewindow" "$size" &
    timer=$!
    timeout 20 xdotool search --sync --onlyvisible --classname '^barewindow$' >/dev/null
    endTimed "$timer"
}
floorPeak() {
    /usr/bin/time -f %M -o "$work/rss" "$bench/barewidgets" "$size" "$(cat "$work/editorSize")" &
    timer=$!
    timeout 20 xdotool search --sync --onlyvisible --classname '^barewidgets$' >/dev/null
    endTimed "$timer"
}
round=0
while [ "$round" -lt "$memoryRounds" ]; do
    tintmarkKiB=$(tintmarkPeak)
    bareKiB=$(barePeak)
    floorKiB=$(floorPeak)
    echo "$tintmarkKiB $bareKiB $floorKiB" | awk '{ print $1 / 1024, $2 / 1024, $3 / 1024 }' \
        >>"$work/memory"
    round=$((round + 1))
done
awk '{ print $1, $2 }' "$work/memory" >"$work/rounds"
report "peak memory, both windows open" "$work/rounds" MiB 1.4
awk '{ print $1, $3 }' "$work/memory" >"$work/rounds"
report "    against the floor of widgets" "$work/rounds" MiB 1.15
awk '{ print $3, $2 }' "$work/memory" >"$work/rounds"
report "    the floor itself vs the bare window" "$work/rounds" MiB -

exit "$missed"
