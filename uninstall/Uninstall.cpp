// Uninstall.exe: asks the user, then replays an uninstall log newest record first and deletes it.
//   Uninstall.exe [log path]    (".UnInst.inf" in the current directory without one)
// Exit status: 0 after a replay, 1 when the log cannot be opened, 2 when the user says no.
#include "Console.h"
#include "Files.h"
#include "Owners.h"
#include "Replay.h"
#include "portable/CommandLine.h"
#include "portable/LogRecords.h"

#include <cstdio>

int main(int argc, char** argv)
{
    const char* logPath = LogPathFromArguments(argc, argv, stdout);

    LogRecord* records = nullptr;
    {
        // Closed before the replay, which cuts the log as it goes and deletes it at the end. Read
        // byte for byte, so that each record knows where it begins in the file.
        const OwnedStream log(std::fopen(logPath, "rb"));
        if (!log) {
            Print("Unable to open %s\nPress ENTER to exit.", logPath);
            ReadCharacter();
            return 1;
        }
        char productName[kLogLineSize];
        ReadProductName(log.Get(), productName);

        Print("This program will uninstall %s\n\nPress Y and [ENTER] to uninstall or just [ENTER] to abort.",
              productName);
        char answer = ReadCharacter();
        if (answer != 'y' && answer != 'Y')
            return 2;

        Print("%s will now be uninstalled\n\n", productName);
        if (!LoadRecords(log.Get(), &records)) {
            Print("Out of memory.");
            return 1;
        }
    }
    {
        ReplayLog log(logPath);
        ReplayRecords(records, log);
    }
    RemoveFile(logPath);

    Print("Done. Press [ENTER] to exit.");
    DiscardInput();
    ReadCharacter();
    return 0;
}
