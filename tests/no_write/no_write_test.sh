#!/usr/bin/env bash
# Trelumo reads no files of its own and writes nothing. Runs the driver (Trelumo converting, opening
# and closing its About and help windows, and quitting) under strace, once without a runtime folder
# and once with one, each time with a fresh, empty home folder, and fails if the driver fails or if
# any process of it
#  - opened a file for writing, creating or truncating it, or created one with creat;
#  - made, renamed, linked, unlinked or truncated anything, or changed a file's mode, owner or times;
#  - tried to make a folder outside this test's own folder (on another machine that folder might not
#    exist yet, and the attempt would make it), unless under something that is no folder.
#   no_write_test.sh DRIVER [ARGUMENT...]
set -euo pipefail

driver=("$@")
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

# Every check sets status itself: a function called as `run … || status=1` would run with set -e
# off, and a failing step inside it would go unnoticed.
status=0
run() {  # name, then the environment to run in
    local name=$1
    shift
    local home="$work/$name-home" traces="$work/$name-trace"
    mkdir -p "$home" "$traces"
    echo "== $name"
    if ! env -u XDG_RUNTIME_DIR -u XDG_CACHE_HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
        -u DBUS_SESSION_BUS_ADDRESS HOME="$home" QT_QPA_PLATFORM=offscreen "$@" \
        strace -f -ff -qq -e trace=%file -o "$traces/trace" "${driver[@]}"; then
        echo "FAILED: the driver did not do what it was told ($name)"
        status=1
    fi
    local found
    found=$(violations "$traces"/trace.*)
    if [ -n "$found" ]; then
        echo "FAILED: Trelumo wrote, or tried to create, where it must not ($name):"
        echo "$found"
        status=1
        return
    fi
    echo "no writes: $(cat "$traces"/trace.* | wc -l) file calls traced," \
        "$(cat "$traces"/trace.* | grep -c 'O_RDONLY') of them opens for reading"
}

run without-runtime-folder
mkdir -m 0700 "$work/runtime"
run with-runtime-folder XDG_RUNTIME_DIR="$work/runtime"
exit $status
