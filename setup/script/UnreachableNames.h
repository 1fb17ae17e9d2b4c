// Names that Win32's name-based calls change: a trailing space or dot is dropped, and a device
// name (with any extension) opens the device. A file given such a name lands somewhere else or
// nowhere, and no delete by that name reaches it.
#pragma once

#include <string>

enum class UnreachableName { None, TrailingSpace, TrailingDot, Device };

// What is wrong with one component of a path (no backslash in it); ".." and "." are fine.
// *device, when given, is set to the device's name for Device.
UnreachableName CheckComponent(const std::string& part, const char** device = nullptr);

// The first component of a backslash-separated path that is not fine, None when all are.
UnreachableName CheckPath(const std::string& path, const char** device = nullptr);
