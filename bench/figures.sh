#!/usr/bin/env bash
# Trelumo's speed figures in one table, by hand once scripts/dev test has built build/:
#  - one conversion each way (bench/conversion_bench) against one snprintf("%.2f"); target: ≤ 1;
#  - the test a field's text goes through at every keystroke (bench/conversion_bench), for a plain
#    amount; target: ≤ 100 ns;
#  - start-up time and peak memory against a bare Qt window (bench/startup.sh); target: ≤ 1.15;
#  - the time from a TAB key press to both amount fields being up to date, inside the program
#    (bench/tab_probe), offscreen and on a private X server; target: median under 1 ms;
#  - the time a paste of a megabyte into an amount field takes to answer (bench/paste_probe),
#    offscreen; target: under 100 ms.
#   bench/figures.sh [build folder, build] [start-up runs, 20] [TABs, 2000]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
runs=${2:-20}
tabs=${3:-2000}
for program in conversion_bench startup_probe tab_probe paste_probe; do
    [ -x "$build/bench/$program" ] || { echo "no $build/bench/$program: run scripts/dev test" >&2; exit 1; }
done

row() { printf '%-44s %12s %12s %8s  %s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# Medians of five repetitions, in nanoseconds of processor time.
conversions=$("$build/bench/conversion_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null)
median_ns() { awk -F, -v name="\"$1_median\"" '$1 == name {print $4}' <<<"$conversions"; }
euro_to_pts=$(median_ns pts_from_euro_text)
pts_to_euro=$(median_ns euro_from_pts_text)
snprintf_pts=$(median_ns snprintf_two_decimals/pts_value)
snprintf_euro=$(median_ns snprintf_two_decimals/euro_value)
keystroke=$(median_ns is_beginning/plain)
keystroke_unit=$(median_ns is_beginning/with_unit_and_line_end)
keystroke_typing_unit=$(median_ns is_beginning/unit_being_typed)

echo "Start-up, $runs runs each (bench/startup.sh):"
startup=$("$here/startup.sh" "$build" "$runs")
echo "$startup"
startup_field() {  # row title, field from the end (1: Trelumo/bare, 2: Trelumo, 4: bare)
    grep -F "$1" <<<"$startup" | awk -v n="$2" '{print $(NF - n + 1)}'
}

# TABs offscreen, then on a private X server with the xcb platform.
read -r _ offscreen_ok offscreen_median offscreen_p99 offscreen_worst < <(
    QT_QPA_PLATFORM=offscreen "$build/bench/tab_probe" "$tabs" 2>/dev/null)
source "$(dirname "$0")/../tests/e2e/lib/x_server.sh"
x_folder=$(mktemp -d)
trap 'stop_private_x_server; rm -rf "$x_folder"' EXIT
start_private_x_server "$x_folder"
read -r _ xcb_ok xcb_median xcb_p99 xcb_worst < <(
    QT_QPA_PLATFORM=xcb "$build/bench/tab_probe" "$tabs" 2>/dev/null)

megabyte_paste=$(QT_QPA_PLATFORM=offscreen "$build/bench/paste_probe" 2>/dev/null |
    awk '$1 == 1048576 {print $2}')

echo
row "figure" "Trelumo" "reference" "ratio" "target"
row "euros to pesetas, ns (vs snprintf %.2f)" "$euro_to_pts" "$snprintf_pts" \
    "$(ratio "$euro_to_pts" "$snprintf_pts")" "ratio ≤ 1"
row "pesetas to euros, ns (vs snprintf %.2f)" "$pts_to_euro" "$snprintf_euro" \
    "$(ratio "$pts_to_euro" "$snprintf_euro")" "ratio ≤ 1"
row "keystroke test, plain amount, ns" "$keystroke" "" "" \
    "≤ 100; with a unit and a line end: $keystroke_unit, a unit being typed: $keystroke_typing_unit"
row "start-up to first paint, ms (vs bare window)" "$(startup_field 'time to first paint' 2)" \
    "$(startup_field 'time to first paint' 4)" "$(startup_field 'time to first paint' 1)" \
    "ratio ≤ 1.15"
row "peak memory, KiB (vs bare window)" "$(startup_field 'peak memory' 2)" \
    "$(startup_field 'peak memory' 4)" "$(startup_field 'peak memory' 1)" "ratio ≤ 1.15"
row "TAB to both fields up to date, offscreen, µs" "$offscreen_median" "" "" \
    "median < 1000; 99%: $offscreen_p99, worst: $offscreen_worst"
row "TAB to both fields up to date, X server, µs" "$xcb_median" "" "" \
    "median < 1000; 99%: $xcb_p99, worst: $xcb_worst"
row "a megabyte pasted into a field, ms" "$megabyte_paste" "" "" "< 100"
echo "TABs timed: $tabs each; fields already up to date when the key press returned:" \
    "$offscreen_ok offscreen, $xcb_ok on the X server."
