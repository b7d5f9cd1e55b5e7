#!/usr/bin/env bash
# The layers run one way. Checks every #include of the program's sources against what its layer
# may use, and prints each one that reaches where it must not.
#   check_layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"

# folder (most specific first) | project headers it may include        | no system header like
rules=(
  "ui/about/get_key_value       | ui/about/get_key_value platform/registry/ | ^Q ^windows\.h$"
  "ui/                          | ui/ core/ platform/                      | -"
  "core/                        | core/ platform/number_text/ platform/types/ | ^Q ^windows\.h$"
  "platform/number_text/        | platform/number_text/                    | ^Q ^windows\.h$"
  "platform/types/              | platform/types/                          | ^Q ^windows\.h$"
  "platform/registry/           | platform/registry/                       | ^Q"
  "platform/runtime/            | platform/runtime/ platform/types/ platform/number_text/ | ^Q ^windows\.h$"
  "platform/qt/                 | platform/qt/ platform/runtime/ platform/types/ platform/number_text/ | ^windows\.h$"
  "platform/win32/              | platform/win32/ platform/runtime/ platform/types/ platform/number_text/ | ^Q"
)
# Generated headers: the version, Designer's ui_*.h, moc's output.
generated='^(trelumo_version\.h|ui_[a-z_]+\.h|.*\.moc|moc_.*\.cpp)$'

trim() { local s=$1; s=${s#"${s%%[![:space:]]*}"}; echo "${s%"${s##*[![:space:]]}"}"; }

rule_for() {  # file: prints "allowed|forbidden" of the first rule whose folder starts it
    local rule folder
    for rule in "${rules[@]}"; do
        IFS='|' read -r folder allowed forbidden <<<"$rule"
        folder=$(trim "$folder")
        if [[ $1 == "$folder"* ]]; then
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
                for prefix in $allowed; do [[ $header == "$prefix"* ]] && ok=yes; done
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
