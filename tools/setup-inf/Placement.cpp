// Placement order and directories, as the install run and the file placement work them out.
#include "setup-inf/Placement.h"

#include "script/FileNamePart.h"

#include <set>

namespace {

constexpr int kCustomBoxes = 10;

// A directory as Windows resolves it: repeated and trailing backslashes mean nothing.
std::string Resolved(const std::string& dir)
{
    std::string resolved;
    for (char c : dir)
        if (c != '\\' || (!resolved.empty() && resolved.back() != '\\'))
            resolved += c;
    while (!resolved.empty() && resolved.back() == '\\')
        resolved.pop_back();
    return resolved;
}

std::string ParentOf(const std::string& dir)
{
    const std::size_t last = dir.rfind('\\');
    return last == std::string::npos ? "" : dir.substr(0, last);
}

} // namespace

bool Selects(Selection selection, const ModuleAt& module)
{
    switch (selection) {
    case Selection::Typical:
        return module.entry->typical != 0;
    case Selection::Minimum:
        return module.entry->minimum != 0;
    case Selection::Custom:
        return module.position >= kCustomBoxes || module.entry->typical != 0;
    default:
        return true;
    }
}

std::vector<Placed> PlaceFiles(const PlatformReading& platform, Selection selection)
{
    std::vector<Placed> placed;
    std::set<std::string> made; // folded, below their named folder
    for (auto module = platform.modules.rbegin(); module != platform.modules.rend(); ++module) {
        if (!Selects(selection, *module))
            continue;
        const std::string base = module->entry->system ? kSystemDirName : kInstallDirName;
        for (auto file = module->files.rbegin(); file != module->files.rend(); ++file) {
            const char* dest = file->entry->dest;
            const char* name = FileNamePart(dest);
            // The part before the file name, without its last backslash.
            const std::string sub(dest, name > dest ? name - dest - 1 : 0);
            Placed p{&*module, &*file, sub.empty() ? base : base + "\\" + sub, "", false, ""};
            p.target = p.dir + "\\" + name;
            const std::string level = Resolved(sub);
            const std::string key = Folded(base + "\\" + level);
            const std::string parent = ParentOf(level);
            if (!level.empty() && !made.count(key)) {
                // Only the last level is made; the folder itself is there.
                if (parent.empty() || made.count(Folded(base + "\\" + parent))) {
                    p.makesDir = true;
                    made.insert(key);
                } else {
                    p.missingDir = base + "\\" + parent;
                }
            }
            placed.push_back(p);
        }
    }
    return placed;
}
