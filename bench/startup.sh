#!/usr/bin/env bash
# Start-up time to the first paint and memory of Trelumo's main window against a bare Qt window of
# the same size, started alternately in one run on a private X server. A third column shows the
# bare window with one label: what drawing any text at all costs.
#   bench/startup.sh [build folder] [runs]
set -euo pipefail

build=${1:-build}
runs=${2:-20}
probe="$build/bench/startup_probe"
[ -x "$probe" ] || { echo "no $probe: build with benchmarks on" >&2; exit 1; }

source "$(dirname "$0")/../tests/e2e/lib/x_server.sh"
x_folder=$(mktemp -d)
trap 'stop_private_x_server; rm -rf "$x_folder"' EXIT
start_private_x_server "$x_folder"

declare -A times memory private
for ((i = 0; i < runs; i++)); do
    for kind in bare label trelumo; do
        read -r ms kb dirty < <(QT_QPA_PLATFORM=xcb \
            TRELUMO_LAUNCH_NS=$(date +%s%N) "$probe" "$kind" 2>/dev/null)
        times[$kind]+="$ms "
        memory[$kind]+="$kb "
        private[$kind]+="$dirty "
    done
done

source "$(dirname "$0")/statistics.sh"
row() {  # title, values array name
    local -n values=$2
    local bare label trelumo
    bare=$(echo "${values[bare]}" | median)
    label=$(echo "${values[label]}" | median)
    trelumo=$(echo "${values[trelumo]}" | median)
    printf '%-26s %10s %10s %10s %8s\n' "$1" "$bare" "$label" "$trelumo" "$(ratio "$trelumo" "$bare")"
}

printf '%-26s %10s %10s %10s %8s\n' "start-up, median of $runs" "bare" "one label" "Trelumo" \
    "Trelumo/bare"
row "time to first paint (ms)" times
row "peak memory (KiB)" memory
row "private memory (KiB)" private
