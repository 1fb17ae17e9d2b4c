// Freeing the install model.
#include "script/InstallModel.h"

void FreeModuleList(ModuleEntry* modules)
{
    while (ModuleEntry* module = modules) {
        modules = module->next;
        while (FileEntry* file = module->files) {
            module->files = file->next;
            delete file;
        }
        delete module;
    }
}
