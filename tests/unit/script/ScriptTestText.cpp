#include "ScriptTestText.h"

#include <sstream>

std::string ModelText(const ModuleEntry* module)
{
    std::ostringstream out;
    for (; module; module = module->next) {
        out << (out.tellp() > 0 ? " " : "") << module->name << '(' << module->onNT351 << ' ' << module->onNT4
            << ' ' << module->onWin95 << ' ' << module->shared << ' ' << module->system << ' '
            << module->typical << ' ' << module->minimum << "){";
        for (const FileEntry* file = module->files; file; file = file->next)
            out << (file == module->files ? "" : ", ") << file->source << '>' << file->dest << ' '
                << file->shortcutKind << " '" << file->shortcutName << "'";
        out << '}';
    }
    return out.str();
}

const char kExampleScript[] =
    SOH "Script" SOH " 1\n"
        "Sample Editor\n"
        "Sample Editor\n"
        "1 1 1\n"
        "\n"
        "@" SOH "Editor" SOH " 1 1 1 0 0 1 1\n" SOH "edit.exe" SOH " " SOH "(NULL)" SOH " 1 " SOH
        "Sample Editor" SOH "\n" SOH "edit.hlp" SOH " " SOH "help\\" SOH " 0 " SOH SOH "\n"
        "@@" SOH "Runtime" SOH " 1 1 1 1 1 1 0\n" SOH "edrt.dll" SOH " " SOH "(NULL)" SOH " 0 " SOH SOH "\n"
        "@" SOH "Extras" SOH " 0 0 1 0 0 0 0\n";

const char kExampleModelNT[] = "Runtime(1 1 1 1 1 1 0){edrt.dll>edrt.dll 0 ''} "
                               "Editor(1 1 1 0 0 1 1){edit.hlp>help\\edit.hlp 0 '', "
                               "edit.exe>edit.exe 1 'Sample Editor'}";
