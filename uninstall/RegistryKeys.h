// Deleting the registry keys that the install created.
#pragma once

// Data: a root name, a space and a key path. Deletes the key named by the path's last component
// from its parent. A record that names a value asks for a sub-key that does not exist and so
// changes nothing. Silent, whatever happens.
void RemoveRegistryKey(const char* data);
