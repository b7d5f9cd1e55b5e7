# shellcheck shell=bash
# Checks that report each result on a line of their own and let the test go on, and the closing
# line that gives the test its exit status. Sourced by the test scripts.

passed=0
failed=0

pass() {
    passed=$((passed + 1))
    echo "ok - $1"
}

fail() {
    failed=$((failed + 1))
    echo "FAILED - $1"
}

# check_equal WHAT EXPECTED ACTUAL
check_equal() {
    if [ "$2" = "$3" ]; then
        pass "$1: $2"
    else
        fail "$1: expected '$2', got '$3'"
    fi
}

# check WHAT COMMAND...: the command succeeds.
check() {
    local what=$1
    shift
    local output status=0
    output=$("$@" 2>&1) || status=$?
    if [ "$status" -eq 0 ]; then
        pass "$what"
    else
        fail "$what${output:+: $output}"
    fi
}

finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# read_row ROW NAME...: splits a row of a table of cases at "|" into the named variables, each
# without the spaces around it.
read_row() {
    local row=$1 name cell i=0
    shift
    local -a cells
    IFS='|' read -r -a cells <<<"$row"
    for name in "$@"; do
        cell=${cells[i++]:-}
        cell=${cell#"${cell%%[![:space:]]*}"}
        cell=${cell%"${cell##*[![:space:]]}"}
        printf -v "$name" '%s' "$cell"
    done
}
