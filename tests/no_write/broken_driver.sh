#!/bin/sh
# A driver that breaks on purpose, to show that the no-write test can fail:
#   broken_driver.sh fails    a step fails: says so and exits with 1
#   broken_driver.sh writes   every step is done, but a file is written
case "$1" in
    fails) echo "FAILED: 1 euro converted to 166 pesetas"; exit 1 ;;
    writes) echo "written" >"$HOME/written" ;;
esac
