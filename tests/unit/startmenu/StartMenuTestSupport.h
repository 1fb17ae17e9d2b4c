// What the start-menu tests share: reading a link file back, a combo box to list groups into,
// and COM for the thread.
#pragma once

#include <objbase.h>
#include <windows.h>

#include <string>
#include <vector>

struct LinkContents {
    HRESULT loaded = E_FAIL;
    std::string path, description, workDir;
};

// Loads a link file through the shell's link object.
LinkContents ReadLink(const std::string& linkPath);

// COM on this thread for as long as the object lives.
class ComThread {
  public:
    ComThread() { CoInitialize(nullptr); }
    ~ComThread() { CoUninitialize(); }
    ComThread(const ComThread&) = delete;
    ComThread& operator=(const ComThread&) = delete;
};

// A hidden combo box whose list keeps the order in which entries were added.
class UnsortedCombo {
  public:
    UnsortedCombo();
    ~UnsortedCombo();
    UnsortedCombo(const UnsortedCombo&) = delete;
    UnsortedCombo& operator=(const UnsortedCombo&) = delete;

    HWND Handle() const { return combo; }
    std::vector<std::string> Entries() const;

  private:
    HWND parent = nullptr;
    HWND combo = nullptr;
};
