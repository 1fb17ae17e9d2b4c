// The file-name part of a path: the text after its last backslash, or the whole path.
#pragma once

// Only the backslash separates; '/' and ':' are ordinary characters here.
const char* FileNamePart(const char* path);
