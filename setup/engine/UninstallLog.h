// The uninstall log, .UnInst.inf in the destination directory: the one definition of what setup
// writes into it. Uninstall.exe reads it with code of its own, so this layout is a contract.
//
//   Sample Editor                        product name                      } header, only in a
//   dir C:\Apps\Sample                   "dir %s\n": destination directory } new (empty) log
//   dir %s                               a directory created, or a Start-menu folder
//   file %d %d %s                        the module's shared and system flags, the installed file
//   file 0 0 %s                          a shortcut file (.lnk)
//   inc %s                               a file whose SharedDLLs count was raised by one
//   key %s %s                            root name, then a key path or key path\value name
//   pmngr %s@%s                          Program Manager group, item
//
// The stream is in text mode, so every "\n" is stored as CR LF. Names and paths are written
// byte for byte as given, without quoting or escaping. Each line is flushed as it is written:
// a setup that dies mid-install still leaves a log of every change it made.
#pragma once

#include <cstdio>

constexpr char kUninstallLogName[] = ".UnInst.inf";

// Opens installDir\.UnInst.inf for appending (creating it), and writes the header only when the
// log is empty, so a second install into the same directory adds its records under the first
// one's header. Null when the log cannot be opened; the caller shows its own message.
FILE* OpenUninstallLog(const char* installDir, const char* productName);

// One writer per record kind. Outside an install run there is no log (null): nothing is written.
void WriteDirRecord(FILE* log, const char* dirPath);
void WriteFileRecord(FILE* log, int shared, int system, const char* filePath);
void WriteShortcutRecord(FILE* log, const char* linkPath);
void WriteIncRecord(FILE* log, const char* filePath);
void WriteKeyRecord(FILE* log, const char* rootName, const char* path);
void WritePmngrRecord(FILE* log, const char* group, const char* item);
