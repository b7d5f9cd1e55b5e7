// The three registry operations that Trelumo reads values with, in the shape of Windows' own
// narrow-text functions, so that the program can run against Windows' registry or another
// provider of the same contract. Its names are its own, so that it goes with <windows.h> in any
// order: the value types are Windows' REG_ codes under lower-case names.
#pragma once

#include <cstdint>

namespace trelumo::registry {

/// A key handle: a predefined root key, or a key opened by RegOpenKeyExA. 0 is no key.
using KeyHandle = std::uint32_t;
/// The result of a registry operation: 0 is success, anything else a failure.
using Status = std::int32_t;
/// Rights asked for when a key is opened, as a Windows access mask.
using AccessMask = std::uint32_t;
/// The kind of data a value holds.
using ValueType = std::uint32_t;

/// The predefined root keys.
inline constexpr KeyHandle classes_root = 0x80000000;
inline constexpr KeyHandle current_user = 0x80000001;
inline constexpr KeyHandle local_machine = 0x80000002;
inline constexpr KeyHandle users = 0x80000003;
inline constexpr KeyHandle current_config = 0x80000005;

/// Status codes the providers answer with.
inline constexpr Status success = 0;
inline constexpr Status file_not_found = 2;
inline constexpr Status access_denied = 5;
inline constexpr Status invalid_handle = 6;
inline constexpr Status invalid_parameter = 87;
inline constexpr Status bad_pathname = 161;
inline constexpr Status more_data = 234;

/// Key rights.
inline constexpr AccessMask key_query_value = 0x0001;
inline constexpr AccessMask key_set_value = 0x0002;
inline constexpr AccessMask key_create_sub_key = 0x0004;
inline constexpr AccessMask key_enumerate_sub_keys = 0x0008;
inline constexpr AccessMask key_notify = 0x0010;
inline constexpr AccessMask key_create_link = 0x0020;
inline constexpr AccessMask read_control = 0x00020000;
/// The rights to read a key and its values.
inline constexpr AccessMask key_read =
    read_control | key_query_value | key_enumerate_sub_keys | key_notify;
/// Every right on a key, deleting it and changing its permissions and owner included.
inline constexpr AccessMask key_all_access = 0x000F003F;

/// Value types.
inline constexpr ValueType value_none = 0;
inline constexpr ValueType value_sz = 1;         ///< a zero-terminated string
inline constexpr ValueType value_expand_sz = 2;  ///< a string with environment references
inline constexpr ValueType value_binary = 3;     ///< bytes
inline constexpr ValueType value_dword = 4;      ///< a 32-bit number, least significant byte first

/// A provider of the registry operations. Texts are narrow: one byte per character in the
/// system's narrow (ANSI) code page. Names of keys and values compare without regard to case.
class Registry {
public:
    virtual ~Registry() = default;

    /// Opens sub_key below key (levels separated by backslashes; an empty path opens key itself,
    /// one that begins with a backslash fails with bad_pathname) with the rights access asks for.
    /// On success stores a new handle in *result; on failure stores 0 there. Fails with
    /// access_denied when the key does not grant every right asked for.
    virtual Status RegOpenKeyExA(KeyHandle key, const char* sub_key, std::uint32_t options,
                                 AccessMask access, KeyHandle* result) = 0;

    /// Reads the value named value_name (empty: the key's unnamed value) of an open key. reserved
    /// must be null. Stores the value's type in *type and its length in bytes in *size, and copies
    /// its bytes into data, whose capacity *size gives on entry. When the bytes do not fit, copies
    /// nothing and fails with more_data. With data null, only type and length are answered. Any
    /// of type, data and size may be null when not wanted, but data only together with size.
    virtual Status RegQueryValueExA(KeyHandle key, const char* value_name, std::uint32_t* reserved,
                                    ValueType* type, std::uint8_t* data, std::uint32_t* size) = 0;

    /// Releases a handle. Closing 0 or a handle that is not open fails with invalid_handle and
    /// does no harm; closing a predefined root key succeeds and leaves it usable.
    virtual Status RegCloseKey(KeyHandle key) = 0;
};

}  // namespace trelumo::registry
