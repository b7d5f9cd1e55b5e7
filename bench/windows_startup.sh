#!/usr/bin/env bash
# Start-up time to the first paint and peak memory of Trelumo.exe against a bare Windows window of
# the same size with the same manifest (bench/bare_window.cpp), under Wine on a private X server, started alternately in
# one run by bench/startup_timer.cpp, which times each from CreateProcess until it waits for input
# with its window painted. Target: Trelumo.exe within 1.15 times the bare window. Reported: the
# medians and quartiles of each, their ratios, and the ratio run by run (Trelumo.exe to the bare
# window started just before it), which spreads least on a machine busy with other work. The
# bare window loading the common controls shows what they cost by themselves: every program with
# edit controls in the current visual style pays it.
#   bench/windows_startup.sh [Windows build folder, build-windows] [runs, 20]
# The Wine prefix is WINEPREFIX if set, otherwise a temporary one made for the run.
set -euo pipefail

build=${1:-build-windows}
runs=${2:-20}
timer="$build/bench/startup_timer.exe"
declare -A programs=([bare]="$build/bench/bare_window.exe"
                     [controls]="$build/bench/bare_window.exe common-controls"
                     [trelumo]="$build/ui/win32/Trelumo.exe")
for program in "$timer" "$build/bench/bare_window.exe" "$build/ui/win32/Trelumo.exe"; do
    [ -f "$program" ] || { echo "no $program: run scripts/windows-tests" >&2; exit 1; }
done

scratch=$(mktemp -d)
export WINEDEBUG=-all
if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX="$scratch/prefix"
    (unset DISPLAY; wine wineboot --init >/dev/null 2>&1; wineserver -w)
fi
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
finish() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap finish EXIT
until grep -q '^[0-9]' "$scratch/display" 2>/dev/null; do sleep 0.05; done
DISPLAY=":$(head -n1 "$scratch/display")"
export DISPLAY

# Wine's server and desktop stay up through the run, and each program is started once before
# the timed runs, so that neither pays for Wine starting or for a cold file cache.
wineserver -p
# shellcheck disable=SC2086 # a program and its argument
for kind in bare controls trelumo; do wine "$timer" ${programs[$kind]} >/dev/null 2>&1; done

declare -A times memory
for ((i = 0; i < runs; i++)); do
    for kind in bare controls trelumo; do
        # shellcheck disable=SC2086 # a program and its argument
        read -r ms kb < <(LANG=es_ES.UTF-8 wine "$timer" ${programs[$kind]} 2>/dev/null |
            tr -d '\r')
        times[$kind]+="$ms "
        memory[$kind]+="$kb "
    done
done

source "$(dirname "$0")/statistics.sh"
# The ratio of each run's figure to the figure of the program started just before it: runs side
# by side share the machine's load, so these spread less than the figures themselves.
run_ratios() { paste -d' ' <(tr ' ' '\n' <<<"$1" | grep -v '^$') <(tr ' ' '\n' <<<"$2" | grep -v '^$') |
    awk '{printf "%.3f\n", $1 / $2}' | tr '\n' ' '; }
row() {  # title, values array name
    local -n values=$2
    local bare controls trelumo
    bare=$(echo "${values[bare]}" | median)
    controls=$(echo "${values[controls]}" | median)
    trelumo=$(echo "${values[trelumo]}" | median)
    printf '%-28s %12s %16s %12s %13s %12s\n' "$1" "$bare" "$controls" "$trelumo" \
        "$(ratio "$trelumo" "$bare")" "$(ratio "$trelumo" "$controls")"
    local by_run
    by_run=$(run_ratios "${values[trelumo]}" "${values[bare]}")
    printf '%-28s %12s %16s %12s %13s\n' "  quartiles" "$(echo "${values[bare]}" | quartiles)" \
        "$(echo "${values[controls]}" | quartiles)" "$(echo "${values[trelumo]}" | quartiles)" \
        "run by run"
    printf '%-28s %12s %16s %12s %13s\n' "" "" "" "median" "$(echo "$by_run" | median)"
    printf '%-28s %12s %16s %12s %13s\n' "" "" "" "quartiles" "$(echo "$by_run" | quartiles)"
}

printf '%-28s %12s %16s %12s %13s %12s\n' "under Wine, median of $runs" "bare window" \
    "+common controls" "Trelumo.exe" "Trelumo/bare" "Trelumo/+cc"
row "time to first paint (ms)" times
row "peak working set (KiB)" memory
