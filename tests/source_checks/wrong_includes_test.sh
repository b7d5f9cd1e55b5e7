#!/usr/bin/env bash
# The layer check can fail: on a copy of the sources with one wrong-way include of each kind
# added (to a file made for it where the file is not there yet), it must name each of them, and
# nothing else.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$root/ui" "$root/core" "$root/platform" "$copy/"

# file                                  | include added
wrong=(
  "core/conversion.cpp                  | #include \"ui/about/get_key_value.h\""
  "core/amount_fields.cpp               | #include <QString>"
  "platform/qt/focus_events.cpp         | #include \"core/amount_fields.h\""
  "platform/number_text/number_text.cpp | #include \"platform/registry/registry.h\""
  "platform/registry/registry.h         | #include <QObject>"
  "ui/about/get_key_value.cpp           | #include \"platform/qt/help.h\""
  "platform/runtime/event_dispatch.cpp  | #include <windows.h>"
  "platform/runtime/form.h              | #include \"platform/qt/form.h\""
  "ui/main_window/win32/euro_window.cpp | #include \"platform/qt/form.h\""
  "ui/about/about_window.cpp            | #include \"platform/win32/form.h\""
  "ui/main_window/euro_window.cpp       | #include \"ui/about/win32/about_window.h\""
  "ui/main_window/euro_form.cpp         | #include \"platform/qt/form.h\""
  "ui/about/frmabout_layout.h           | #include <windows.h>"
  "ui/main_window/web/euro_page.cpp     | #include \"platform/qt/form.h\""
)
expected=""
for row in "${wrong[@]}"; do
    file=$(echo "${row%%|*}" | xargs)
    line=$(echo "${row#*|}" | sed 's/^ *//')
    mkdir -p "$(dirname "$copy/$file")"
    printf '%s\n' "$line" >>"$copy/$file"
    expected+="$file: $line"$'\n'
done

status=0
found=$(bash "$here/check_layers.sh" "$copy" | grep -v 'include(s) against the layers') || status=$?
if [ "$status" -eq 0 ]; then
    echo "FAILED: the layer check passed sources with wrong-way includes"
    exit 1
fi
if [ "$(sort <<<"$found")" != "$(sort <<<"${expected%$'\n'}")" ]; then
    echo "FAILED: the layer check named"
    echo "$found"
    echo "instead of"
    echo "${expected%$'\n'}"
    exit 1
fi
echo "the layer check names all ${#wrong[@]} wrong-way includes"
