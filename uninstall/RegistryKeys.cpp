#include "RegistryKeys.h"

#include "portable/RecordKinds.h"

#include <windows.h>

static HKEY RootHandle(RootKey root)
{
    switch (root) {
    case RootKey::currentUser:
        return HKEY_CURRENT_USER;
    case RootKey::classesRoot:
        return HKEY_CLASSES_ROOT;
    case RootKey::localMachine:
        return HKEY_LOCAL_MACHINE;
    case RootKey::users:
        break;
    }
    return HKEY_USERS;
}

void RemoveRegistryKey(const char* data)
{
    KeyRecord record;
    if (!SplitKeyRecord(data, &record) || !IsRegistrationKey(record))
        return;
    HKEY parent;
    if (RegOpenKeyExA(RootHandle(record.root), record.parent, 0, KEY_WRITE, &parent) != ERROR_SUCCESS)
        return;
    RegDeleteKeyA(parent, record.name);
    RegCloseKey(parent);
}
