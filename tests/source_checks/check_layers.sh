#!/usr/bin/env bash
# The layers run one way. Checks every #include of the program's sources against what its layer
# may use, and prints each one that reaches where it must not.
#   check_layers.sh [SOURCE_ROOT]
set -euo pipefail
set -o noglob  # the rules' folders and headers are patterns, matched as they stand
shopt -s extglob
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"

# The windows' files that need no toolkit: each window's stored layout and load, the registry
# reader. Every front-end's windows include them; they include no toolkit.
toolkit_free_ui="ui/+([!/])/+([!/])_layout.h ui/+([!/])/+([!/])_form.h ui/about/get_key_value.h"
# Below the windows, what any of them may use besides its toolkit's layer.
below_ui="core/ platform/runtime/ platform/types/ platform/number_text/ platform/registry/"

# Folder or file (a pattern, most specific first) | project headers it may include (patterns)
#   | no system header like
rules=(
  "ui/about/get_key_value       | ui/about/get_key_value platform/registry/ | ^Q ^windows\.h$ ^emscripten"
  "ui/+([!/])/+([!/])_layout.h  | $toolkit_free_ui core/ platform/types/ platform/runtime/ platform/number_text/ | ^Q ^windows\.h$ ^emscripten"
  "ui/+([!/])/+([!/])_form.     | $toolkit_free_ui core/ platform/types/ platform/runtime/ platform/number_text/ | ^Q ^windows\.h$ ^emscripten"
  "ui/win32/                    | ui/win32/ ui/*/win32/ $toolkit_free_ui $below_ui platform/win32/ | ^Q ^emscripten"
  "ui/*/win32/                  | ui/win32/ ui/*/win32/ $toolkit_free_ui $below_ui platform/win32/ | ^Q ^emscripten"
  "ui/web/                      | ui/web/ ui/*/web/ $toolkit_free_ui $below_ui platform/web/ | ^Q ^windows\.h$"
  "ui/*/web/                    | ui/web/ ui/*/web/ $toolkit_free_ui $below_ui platform/web/ | ^Q ^windows\.h$"
  "ui/                          | ui/+([!/]).h ui/+([!/])/+([!/]).h $below_ui platform/qt/ | ^windows\.h$ ^emscripten"
  "core/                        | core/ platform/number_text/ platform/types/ | ^Q ^windows\.h$"
  "platform/number_text/        | platform/number_text/                    | ^Q ^windows\.h$"
  "platform/types/              | platform/types/                          | ^Q ^windows\.h$"
  "platform/registry/           | platform/registry/                       | ^Q"
  "platform/runtime/            | platform/runtime/ platform/types/ platform/number_text/ | ^Q ^windows\.h$"
  "platform/qt/                 | platform/qt/ platform/runtime/ platform/types/ platform/number_text/ | ^windows\.h$"
  "platform/win32/              | platform/win32/ platform/runtime/ platform/types/ platform/number_text/ | ^Q"
  "platform/web/                | platform/web/ platform/runtime/ platform/types/ platform/number_text/ | ^Q ^windows\.h$"
)
# Generated headers: the version, moc's output.
generated='^(trelumo_version\.h|.*\.moc|moc_.*\.cpp)$'

trim() { local s=$1; s=${s#"${s%%[![:space:]]*}"}; echo "${s%"${s##*[![:space:]]}"}"; }

rule_for() {  # file: prints "allowed|forbidden" of the first rule whose folder starts it
    local rule folder
    for rule in "${rules[@]}"; do
        IFS='|' read -r folder allowed forbidden <<<"$rule"
        folder=$(trim "$folder")
        # shellcheck disable=SC2053 # the folder is a pattern
        if [[ $1 == $folder* ]]; then
            echo "$(trim "$allowed")|$(trim "$forbidden")"
            return
        fi
    done
}

violations=0
while IFS= read -r file; do
    rule=$(rule_for "$file")
    [ -n "$rule" ] || continue
    IFS='|' read -r allowed forbidden <<<"$rule"
    while IFS= read -r line; do
        header=${line#*[\"<]}
        header=${header%%[\">]*}
        ok=no
        if [[ $line == *'"'* ]]; then
            if [[ $header =~ $generated ]]; then
                ok=yes
            else
                # shellcheck disable=SC2053 # each allowed prefix is a pattern
                for prefix in $allowed; do [[ $header == $prefix* ]] && ok=yes; done
            fi
        else
            ok=yes
            for pattern in $forbidden; do
                [ "$pattern" != - ] && [[ $header =~ $pattern ]] && ok=no
            done
        fi
        if [ $ok = no ]; then
            echo "$file: $line"
            violations=$((violations + 1))
        fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find ui core platform -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$violations" -gt 0 ]; then
    echo "$violations include(s) against the layers"
    exit 1
fi
echo "every include keeps to its layer"
