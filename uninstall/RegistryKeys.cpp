#include "RegistryKeys.h"

#include "Owners.h"
#include "portable/RecordKinds.h"

namespace {

HKEY RootHandle(RootKey root)
{
    switch (root) {
    case RootKey::CurrentUser:
        return HKEY_CURRENT_USER;
    case RootKey::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RootKey::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RootKey::Users:
        break;
    }
    return HKEY_USERS;
}

} // namespace

void RemoveRegistryKey(const char* data)
{
    KeyRecord record;
    if (!SplitKeyRecord(data, &record) || !IsRegistrationKey(record))
        return;
    OwnedKey parent;
    if (RegOpenKeyExA(RootHandle(record.root), record.parent, 0, KEY_WRITE, parent.Out()) == ERROR_SUCCESS)
        RegDeleteKeyA(parent.Get(), record.name);
}
