#!/usr/bin/env bash
# The no-write test must be able to fail: runs it with a driver and passes only when the test
# fails and its output says why.
#   fails_with.sh REASON DRIVER [ARGUMENT...]
set -uo pipefail

reason=$1
shift
output=$(bash "$(dirname "$0")/no_write_test.sh" "$@" 2>&1)
status=$?
echo "$output"
if [ "$status" -eq 0 ]; then
    echo "WRONG: the no-write test passed"
    exit 1
fi
if ! grep -qF -- "$reason" <<<"$output"; then
    echo "WRONG: the no-write test failed, but without saying: $reason"
    exit 1
fi
