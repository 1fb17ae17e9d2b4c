#include "RegistryGuard.h"

namespace testing_support {

bool ReadValue(HKEY root, const std::string& key, const std::string& value, DWORD* type,
               std::vector<BYTE>* data)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LONG r = RegQueryValueExA(h, value.c_str(), nullptr, type, nullptr, &size);
    if (r == ERROR_SUCCESS) {
        data->assign(size, 0);
        r = RegQueryValueExA(h, value.c_str(), nullptr, type, data->data(), &size);
        data->resize(size);
    }
    RegCloseKey(h);
    return r == ERROR_SUCCESS;
}

static bool WriteValue(HKEY root, const std::string& key, const std::string& value, DWORD type,
                       const BYTE* data, DWORD size)
{
    HKEY h;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG r = RegSetValueExA(h, value.c_str(), 0, type, data, size);
    RegCloseKey(h);
    return r == ERROR_SUCCESS;
}

bool DeleteValue(HKEY root, const std::string& key, const std::string& value)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, &h) != ERROR_SUCCESS)
        return false;
    LONG r = RegDeleteValueA(h, value.c_str());
    RegCloseKey(h);
    return r == ERROR_SUCCESS;
}

bool KeyExists(HKEY root, const std::string& key)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

bool DeleteKeyTree(HKEY root, const std::string& key)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &h) == ERROR_SUCCESS) {
        char name[MAX_PATH];
        // Delete from the first sub-key each time: the enumeration shifts as keys go.
        while (RegEnumKeyA(h, 0, name, sizeof name) == ERROR_SUCCESS)
            if (!DeleteKeyTree(h, name))
                break;
        RegCloseKey(h);
    }
    return RegDeleteKeyA(root, key.c_str()) == ERROR_SUCCESS || !KeyExists(root, key);
}

bool SetDword(HKEY root, const std::string& key, const std::string& value, DWORD data)
{
    return WriteValue(root, key, value, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

bool SetString(HKEY root, const std::string& key, const std::string& value, const std::string& data,
               DWORD type)
{
    return WriteValue(root, key, value, type, reinterpret_cast<const BYTE*>(data.c_str()),
                      static_cast<DWORD>(data.size() + 1));
}

bool SetBinary(HKEY root, const std::string& key, const std::string& value, const std::vector<BYTE>& data)
{
    return WriteValue(root, key, value, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

bool ReadDword(HKEY root, const std::string& key, const std::string& value, DWORD* data)
{
    DWORD type;
    std::vector<BYTE> bytes;
    if (!ReadValue(root, key, value, &type, &bytes) || bytes.size() != sizeof(DWORD))
        return false;
    *data = *reinterpret_cast<const DWORD*>(bytes.data());
    return true;
}

std::string ReadString(HKEY root, const std::string& key, const std::string& value)
{
    DWORD type;
    std::vector<BYTE> bytes;
    if (!ReadValue(root, key, value, &type, &bytes))
        return "";
    std::string text(bytes.begin(), bytes.end());
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

RegistryValueGuard::RegistryValueGuard(HKEY r, const std::string& k, const std::string& v)
    : root(r), key(k), value(v)
{
    existed = ReadValue(root, key, value, &type, &data);
}

RegistryValueGuard::~RegistryValueGuard()
{
    if (existed)
        WriteValue(root, key, value, type, data.data(), static_cast<DWORD>(data.size()));
    else
        DeleteValue(root, key, value);
}

RegistryKeyGuard::RegistryKeyGuard(HKEY r, const std::string& k) : root(r), key(k)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS)
        return;
    existed = true;
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameSize = sizeof name, type = 0, size = 0;
        if (RegEnumValueA(h, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        Value saved{name, type, std::vector<BYTE>(size)};
        nameSize = sizeof name;
        RegEnumValueA(h, i, name, &nameSize, nullptr, &type, saved.data.data(), &size);
        values.push_back(saved);
    }
    RegCloseKey(h);
}

RegistryKeyGuard::~RegistryKeyGuard()
{
    if (!existed) {
        DeleteKeyTree(root, key);
        return;
    }
    HKEY h;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return;
    // Remove every value, then write back the saved ones.
    for (;;) {
        char name[16384];
        DWORD nameSize = sizeof name;
        if (RegEnumValueA(h, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (RegDeleteValueA(h, name) != ERROR_SUCCESS)
            break;
    }
    for (const auto& v : values)
        RegSetValueExA(h, v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
    RegCloseKey(h);
}

} // namespace testing_support
