// A file kept busy by a second process for as long as the object lives: held open with a chosen
// share mode, loaded as a library, or run as a program.
#pragma once

#include <windows.h>
#include <string>

namespace testing_support {

class HeldFile {
public:
    // Open the file for reading with these share bits (0: no sharing at all).
    static HeldFile Open(const std::string& path, DWORD shareMode);
    // Keep the DLL loaded in another process.
    static HeldFile Load(const std::string& path);
    // Run the program at this path (a copy of the holder itself, placed there by the caller with
    // CopyHolderTo) so that its file is a running executable.
    static HeldFile Run(const std::string& exePath);
    static bool CopyHolderTo(const std::string& exePath);

    HeldFile(HeldFile&& other) noexcept;
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool Holding() const { return process != nullptr; }
    void Release(); // ends the holder now

private:
    HeldFile() = default;
    static HeldFile Start(const std::string& exe, const std::string& args);
    HANDLE process = nullptr;
};

// The path of the holder program in the build tree.
std::string HolderProgram();

} // namespace testing_support
