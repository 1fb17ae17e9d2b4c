// setup-inf: the setup script checker for product authors (see Commands.h).
#include "setup-inf/Commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    return RunSetupInf(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
