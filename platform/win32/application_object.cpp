#include "platform/win32/application_object.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"
#include "trelumo_version.h"

namespace trelumo::app {
namespace {

// The program file's version record, as GetFileVersionInfo reads it; compiled-in values where
// the file carries none.
struct VersionRecord {
    std::string title = TRELUMO_TITLE;
    int major = TRELUMO_VERSION_MAJOR;
    int minor = TRELUMO_VERSION_MINOR;
    int revision = TRELUMO_VERSION_PATCH;
};

VersionRecord read_version_record() {
    VersionRecord values;
    wchar_t path[MAX_PATH];
    if (GetModuleFileNameW(nullptr, path, MAX_PATH) == 0) return values;
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeW(path, &ignored));
    if (record.empty() ||
        !GetFileVersionInfoW(path, 0, static_cast<DWORD>(record.size()), record.data()))
        return values;
    void* item = nullptr;
    UINT length = 0;
    if (VerQueryValueW(record.data(), L"\\", &item, &length) &&
        length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* numbers = static_cast<const VS_FIXEDFILEINFO*>(item);
        values.major = HIWORD(numbers->dwFileVersionMS);
        values.minor = LOWORD(numbers->dwFileVersionMS);
        values.revision = HIWORD(numbers->dwFileVersionLS);
    }
    if (VerQueryValueW(record.data(), L"\\StringFileInfo\\0C0A04B0\\ProductName", &item, &length) &&
        length > 1)
        values.title = utf8(static_cast<const wchar_t*>(item));
    return values;
}

const VersionRecord& version_record() {
    static const VersionRecord record = read_version_record();
    return record;
}

}  // namespace

std::string title() {
    return version_record().title;
}
int major() {
    return version_record().major;
}
int minor() {
    return version_record().minor;
}
int revision() {
    return version_record().revision;
}

}  // namespace trelumo::app
