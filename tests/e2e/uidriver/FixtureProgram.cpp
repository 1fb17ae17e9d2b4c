#include "FixtureProgram.h"

std::string FixtureCommand(const std::string& arguments)
{
    return "\"" CORVEL_UIDRIVER_FIXTURE "\" " + arguments;
}
