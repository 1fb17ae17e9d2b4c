// Leaves the prefix's registry as a test found it: a value or a whole key is saved when the guard
// is made and put back (or removed again) when it goes.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

namespace testing_support {

// One value: its type and data, or its absence.
class RegistryValueGuard {
public:
    RegistryValueGuard(HKEY root, const std::string& key, const std::string& value);
    ~RegistryValueGuard();
    RegistryValueGuard(const RegistryValueGuard&) = delete;
    RegistryValueGuard& operator=(const RegistryValueGuard&) = delete;

private:
    HKEY root;
    std::string key, value;
    bool existed = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

// One key: when it did not exist, it is deleted with everything under it; when it existed, its
// values (not its sub-keys) are put back as they were and values added since are removed.
class RegistryKeyGuard {
public:
    RegistryKeyGuard(HKEY root, const std::string& key);
    ~RegistryKeyGuard();
    RegistryKeyGuard(const RegistryKeyGuard&) = delete;
    RegistryKeyGuard& operator=(const RegistryKeyGuard&) = delete;

private:
    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    HKEY root;
    std::string key;
    bool existed = false;
    std::vector<Value> values;
};

// Registry helpers for test set-up and checks.
bool KeyExists(HKEY root, const std::string& key);
bool DeleteKeyTree(HKEY root, const std::string& key);
bool SetDword(HKEY root, const std::string& key, const std::string& value, DWORD data);
bool SetString(HKEY root, const std::string& key, const std::string& value, const std::string& data,
               DWORD type = REG_SZ);
bool SetBinary(HKEY root, const std::string& key, const std::string& value, const std::vector<BYTE>& data);
bool DeleteValue(HKEY root, const std::string& key, const std::string& value);
// Reads a value; false when the key or the value is missing.
bool ReadValue(HKEY root, const std::string& key, const std::string& value, DWORD* type,
               std::vector<BYTE>* data);
bool ReadDword(HKEY root, const std::string& key, const std::string& value, DWORD* data);
std::string ReadString(HKEY root, const std::string& key, const std::string& value);

} // namespace testing_support
