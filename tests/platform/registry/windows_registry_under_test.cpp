#include "tests/platform/registry/windows_registry_under_test.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

namespace trelumo::registry {
namespace {

void check(LONG status, const char* what) {
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error(std::string(what) + " failed with " + std::to_string(status));
    }
}

// Lets everyone open the key with exactly the rights given.
LONG grant_everyone(HKEY key, AccessMask rights) {
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
        return static_cast<LONG>(GetLastError());
    }
    std::vector<std::uint8_t> acl_bytes(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) +
                                        GetLengthSid(everyone));
    auto* acl = reinterpret_cast<ACL*>(acl_bytes.data());
    SECURITY_DESCRIPTOR descriptor;
    const bool built = InitializeAcl(acl, static_cast<DWORD>(acl_bytes.size()), ACL_REVISION) &&
                       AddAccessAllowedAce(acl, ACL_REVISION, rights, everyone) &&
                       InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                       SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    const LONG status =
        built ? static_cast<LONG>(ERROR_SUCCESS) : static_cast<LONG>(GetLastError());
    FreeSid(everyone);
    return status == ERROR_SUCCESS ? RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor)
                                   : status;
}

}  // namespace

WindowsRegistryUnderTest::WindowsRegistryUnderTest()
    : place_("Software\\Trelumo tests " + std::to_string(GetCurrentProcessId())) {}

WindowsRegistryUnderTest::~WindowsRegistryUnderTest() {
    for (const auto& [path, key] : keys_) {
        grant_everyone(key, KEY_ALL_ACCESS);
        RegCloseKey(key);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, place_.c_str());
}

std::string WindowsRegistryUnderTest::key_name(std::string_view path) const {
    return place_ + "\\" + std::string(path);
}

void WindowsRegistryUnderTest::add_key(std::string_view path, AccessMask rights) {
    HKEY key = nullptr;
    check(RegCreateKeyExA(HKEY_CURRENT_USER, key_name(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr),
          "RegCreateKeyExA");
    keys_.emplace(path, key);
    check(grant_everyone(key, rights), "RegSetKeySecurity");
}

void WindowsRegistryUnderTest::set_value(std::string_view path, std::string_view name,
                                         ValueType type, std::string_view bytes) {
    // A nonzero byte after the data: Windows adds a string's missing terminator when it finds a
    // zero there, and the test must store exactly the bytes given.
    std::string data(bytes);
    data += '\xFF';
    check(RegSetValueExA(keys_.find(path)->second, std::string(name).c_str(), 0, type,
                         reinterpret_cast<const BYTE*>(data.data()),
                         static_cast<DWORD>(bytes.size())),
          "RegSetValueExA");
}

}  // namespace trelumo::registry
