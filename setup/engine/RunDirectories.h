// What one install run knows of the directories it places files in, so that the copy loop asks
// the file system nothing twice: the directories it has created or found, and, in those it
// created itself, the names it has put there, since nothing else can stand in them. Outside a
// run (between Begin and End) it knows nothing and every question goes to the file system.
#pragma once

#include <map>
#include <set>
#include <string>

class RunDirectories {
public:
    // CreateDirectoryA, unless this run has already created or found the directory (then false,
    // as the call would be). True when this call created it.
    bool Create(const std::string& dir);
    // A directory this run created by other means.
    void Created(const std::string& dir);

    // False only where no file of that name can stand: in a directory this run created, under a
    // name it has not put there (and that no 8.3 alias of another name can match).
    bool MayHold(const std::string& dir, const std::string& name) const;
    // A file this run may have made: whatever writes a file says so before it writes.
    void Put(const std::string& path);

    void Begin() { remembering = true; }
    void End()
    {
        remembering = false;
        known.clear();
    }

private:
    struct Directory {
        bool created = false;
        std::set<std::string> names; // as the file system compares them: upper case
    };
    std::map<std::string, Directory> known; // likewise
    bool remembering = false;
};
