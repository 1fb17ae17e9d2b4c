// How the driver's tests start the fixture program.
#pragma once

#include <string>

// The command line that runs uidriver-fixture.exe with these arguments.
std::string FixtureCommand(const std::string& arguments);
