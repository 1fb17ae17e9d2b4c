// Lowering a shared file's reference count under SharedDLLs, and deleting the file with its
// count once nobody counts on it any more.
#pragma once

// The count is the value named by the file's full path under HKEY_LOCAL_MACHINE
// SOFTWARE\Microsoft\Windows\CurrentVersion\SharedDLLs. A missing key or value, or a count of 0,
// changes nothing; a file that cannot be deleted keeps its value at 0. Silent.
void ReleaseSharedCount(const char* path);
