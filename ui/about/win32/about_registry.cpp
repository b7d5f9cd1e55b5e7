// The About window's public registry reader, apart from the window's code: the registry's
// header must come before <windows.h>.
#include "ui/about/get_key_value.h"
#include "ui/about/win32/about_window.h"

bool AboutWindow::GetKeyValue(const trelumo::registry::KeyHandle& KeyRoot,
                              const std::string& KeyName, const std::string& SubKeyRef,
                              std::string& KeyVal) const {
    return trelumo::GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}
