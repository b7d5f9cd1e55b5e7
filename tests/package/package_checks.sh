# shellcheck shell=bash
# The checks of the ecosystems' own tools, for the installation tests. Sourced after the
# end-to-end tests' library.

# strictly_valid_metainfo FILE: appstreamcli finds nothing in it above a pedantic hint. Only
# appstreamcli older than 1.0, which predates the <developer> element, may say it does not know
# that one tag.
strictly_valid_metainfo() {
    local report issues
    report=$(appstreamcli validate --no-net --pedantic "$1" 2>&1) || true
    issues=$(grep -E '^[EWI]: ' <<<"$report" || true)
    if [ "$(appstreamcli --version | grep -oE '[0-9]+' | head -1)" -lt 1 ]; then
        issues=$(grep -vE '^I: [^ ]+: unknown-tag developer$' <<<"$issues" || true)
    fi
    [ -z "$issues" ] || { echo "$report"; return 1; }
}

# manual_page_text FILE: the manual page as man shows it, plain text.
manual_page_text() {
    MANWIDTH=200 man --no-hyphenation --no-justification -E UTF-8 -l "$1" 2>&1 | tr -s ' \n' ' '
}

# lintian_clean PACKAGE: lintian with every tag shown (-EvIL +pedantic) reports nothing but
# the package's overrides.
lintian_clean() {
    local report
    report=$(lintian -EvIL +pedantic --fail-on error,warning,info,pedantic "$1" 2>&1) ||
        { echo "$report"; return 1; }
}
