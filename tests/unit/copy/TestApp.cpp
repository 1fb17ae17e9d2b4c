// The application object that the engine's operations belong to.
#include "app/SetupApp.h"

CSetupApp theApp;
