// One setup at a time on a machine: a second one would place the same files again while the
// first copies them, and log every one of them twice.
#pragma once

#include "platform/ScopedWin.h"

#include <windows.h>

class OneSetupAtATime {
public:
    // Claims the machine's one setup; the claim lasts as long as this object.
    OneSetupAtATime();
    ~OneSetupAtATime();
    OneSetupAtATime(const OneSetupAtATime&) = delete;
    OneSetupAtATime& operator=(const OneSetupAtATime&) = delete;

    // False when another setup holds it: that one has been brought to the front.
    bool Claimed() const { return claimed; }
    void BringOtherToFront() const;

private:
    HANDLE claim = nullptr; // a named mapping: the first setup's process id, for the second
    DWORD* owner = nullptr;
    bool claimed = false;
};
