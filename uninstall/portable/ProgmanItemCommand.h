// The uninstaller's Program Manager commands are formatted into buffers of kCommandSize bytes; a
// command that does not fit is not sent. An item goes with this one, in the active group.
#pragma once

constexpr int kCommandSize = 128;
constexpr char kDeleteItemCommand[] = "[DeleteItem(%s)]";
