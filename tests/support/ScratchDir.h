// A scratch folder of a test on drive C: of the prefix, made empty at the start and removed with
// everything in it at the end.
#pragma once

#include <windows.h>
#include <set>
#include <string>

namespace testing_support {

class ScratchDir {
public:
    // C:\corvel-tests\<name>; an existing folder of that name is emptied first.
    explicit ScratchDir(const std::string& name);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path; }
    std::string operator/(const std::string& relative) const { return path + "\\" + relative; }

private:
    std::string path;
};

// Removes a file or a folder tree, clearing read-only attributes on the way; true when gone.
bool RemoveTree(const std::string& path);

// Every file and folder below a folder, as paths; only its own entries when not deep.
void ListTree(const std::string& folder, bool deep, std::set<std::string>* paths);

// Creates every missing folder of a path.
bool MakeDirs(const std::string& path);

// Whole-file helpers for test data.
bool WriteTextFile(const std::string& path, const std::string& content);
std::string ReadTextFile(const std::string& path); // the bytes as they are, "" when unreadable
bool PathExists(const std::string& path);

// Sets a file's last-write time (UTC) from its parts.
bool SetWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour = 12, WORD minute = 0);

} // namespace testing_support
