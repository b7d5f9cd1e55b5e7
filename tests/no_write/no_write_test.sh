#!/usr/bin/env bash
# Trelumo reads no files of its own and writes nothing. Runs the driver (Trelumo converting, opening
# and closing its About and help windows, and quitting) under strace, once without a runtime folder
# and once with one, each time with a fresh, empty home folder, and fails if any process of it
#  - opened a file for writing, creating or truncating it, or created one with creat;
#  - made, renamed, linked, unlinked or truncated anything, or changed a file's mode, owner or times;
#  - tried to make a folder outside this test's own folder (on another machine that folder might not
#    exist yet, and the attempt would make it), unless under something that is no folder.
#   no_write_test.sh DRIVER
set -euo pipefail

driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

violations() {  # trace files...
    awk -v own="$work/" '
        function path() { return match($0, /"[^"]*"/) ? substr($0, RSTART + 1, RLENGTH - 2) : "" }
        /^(open|openat|openat2)\(/ && /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/ && !/ = -1 / { print; next }
        /^(creat|mkdir|mkdirat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|truncate|mknod|mknodat|chmod|fchmodat|chown|lchown|fchownat|utime|utimes|utimensat|futimesat|setxattr|lsetxattr|removexattr|lremovexattr)\(/ && / = 0$/ { print; next }
        /^(mkdir|mkdirat)\(/ && !/ENOTDIR/ && index(path(), own) != 1 { print; next }
    ' "$@"
}

run() {  # name, then the environment to run in
    local name=$1
    shift
    local home="$work/$name-home" traces="$work/$name-trace"
    mkdir -p "$home" "$traces"
    echo "== $name"
    env -u XDG_RUNTIME_DIR -u XDG_CACHE_HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
        -u DBUS_SESSION_BUS_ADDRESS HOME="$home" QT_QPA_PLATFORM=offscreen "$@" \
        strace -f -ff -qq -e trace=%file -o "$traces/trace" "$driver"
    local found
    found=$(violations "$traces"/trace.*)
    if [ -n "$found" ]; then
        echo "Trelumo wrote, or tried to create, where it must not:"
        echo "$found"
        return 1
    fi
    echo "no writes: $(cat "$traces"/trace.* | wc -l) file calls traced," \
        "$(cat "$traces"/trace.* | grep -c 'O_RDONLY') of them opens for reading"
}

status=0
run without-runtime-folder || status=1
mkdir -m 0700 "$work/runtime"
run with-runtime-folder XDG_RUNTIME_DIR="$work/runtime" || status=1
exit $status
