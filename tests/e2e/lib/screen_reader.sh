# shellcheck shell=bash
# Orca, the screen reader, on the private X server, over an accessibility bus of the test's own
# D-Bus session, with a speech server that writes what it says to a file instead of an audio
# device. Sourced by the test scripts after session.sh; start_accessibility_bus comes first.

speech_log="$E2E_OUTPUT/${test_name}_speech.log"
heard_from=0  # the first line of the speech log that the next check reads

# Starts Orca with settings of its own (speech on, its first-run setup done, no braille or
# sounds), and the programs started after it with their accessibility on. Returns once Orca
# speaks. Orca speaks English here, so the words it adds are "text", "notification", "selected";
# it does not start beside another Orca of the same user.
start_screen_reader() {
    local prefs="$session_dir/orca"
    mkdir -p "$prefs" "$session_dir/home"
    cp "$(dirname "${BASH_SOURCE[0]}")/orca_speech_log.py" "$prefs/"
    cat >"$prefs/user-settings.conf" <<'SETTINGS'
{"general": {"speechServerFactory": "orca_speech_log", "enableSpeech": true,
             "enableBraille": false, "enableSound": false},
 "profiles": {"default": {"profile": ["Default", "default"]}},
 "pronunciations": {}, "keybindings": {}}
SETTINGS
    : >"$speech_log"
    start_client "$E2E_OUTPUT/${test_name}_orca.log" \
        env HOME="$session_dir/home" GSETTINGS_BACKEND=memory LANG=C.UTF-8 LANGUAGE= \
        ORCA_SPEECH_LOG="$speech_log" orca --user-prefs "$prefs"
    orca_pid=$last_pid
    wait_to_hear "Screen reader on." 30 || {
        cat "$E2E_OUTPUT/${test_name}_orca.log" >&2
        return 1
    }
}

# wait_to_hear LINE [SECONDS]: succeeds once Orca has said the line since the last check, or
# fails after the seconds given (10 by default).
wait_to_hear() {
    local tries=0
    until tail -n "+$((heard_from + 1))" "$speech_log" | grep -qxF -- "$1"; do
        kill -0 "$orca_pid" 2>/dev/null || { echo "Orca has ended" >&2; return 1; }
        ((++tries < ${2:-10} * 20)) || return 1
        sleep 0.05
    done
}

# click_heard WINDOW X Y: a left click as a user makes it, its button held down until Orca has
# taken in the press and let go after. A click of no length is often missed by the accessibility
# bus, and then Orca hears of no click at all. Orca stops speech for the press ("--" in the log):
# what the user hears of the click is what it says after that, and the next check reads from there.
click_heard() {
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1
    if wait_to_hear "--"; then
        heard_from=$(awk -v from="$heard_from" 'NR > from && $0 == "--" { print NR; exit }' \
            "$speech_log")
    fi
    xdotool mouseup 1
}

# check_heard WHAT LINE...: Orca says the lines in this order, among others, and goes on to the
# last of them without being stopped ("--" in the log) after the first. The next check reads
# what it says after this.
check_heard() {
    local what=$1 heard
    shift
    wait_to_hear "${@: -1}" || true
    heard=$(tail -n "+$((heard_from + 1))" "$speech_log")
    heard_from=$(wc -l <"$speech_log")
    local expected
    expected=$(printf '%s / ' "$@")
    # Here awk's exit in a rule runs END, which keeps the failure: i <= n still holds.
    if awk -v expected="$(printf '%s\n' "$@")" '
        BEGIN { n = split(expected, line, "\n"); i = 1 }
        i > 1 && i <= n && $0 == "--" { exit 1 }
        i <= n && $0 == line[i] { i++ }
        END { exit i <= n }' <<<"$heard"; then
        pass "$what: ${expected% / }"
    else
        fail "$what: expected ${expected% / }, in order and uncut; heard: $(tr '\n' '|' <<<"$heard")"
    fi
}

# The accessible names of the pictures Trelumo shows, one a line, as a screen reader finds them.
shown_pictures() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_texts.py" pictures
}
