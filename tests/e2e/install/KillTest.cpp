// setup.exe killed at random instants of its copy loop (a fixed seed), as a power cut or the task
// manager would end it: a target holds its source whole or nothing, never a part; the uninstall log
// then misses at most the one file that was in flight, and an install run again to its end
// replaces whatever the killed one left.
#include "InstallTestSupport.h"
#include "SetupSession.h"
#include "Waiting.h"

#include <gtest/gtest.h>

#include <random>

using namespace e2e;
using namespace testing_support;

namespace {

const char kProduct[] = "Corvel Kill";
const char kComplete[] = "Installation complete. You can now run the installed program.";
constexpr int kFiles = 32;
constexpr int kKillsThenUninstall = 16;
constexpr int kKillsThenInstall = 6;

// Files large enough that a kill often lands inside a copy, each with bytes of its own.
std::string Content(int index)
{
    const size_t sizes[] = {256 * 1024, 1024 * 1024, 2048 * 1024};
    std::string bytes(sizes[index % 3], '\0');
    std::minstd_rand fill(static_cast<unsigned>(index) + 1);
    for (char& byte : bytes)
        byte = static_cast<char>(fill());
    return bytes;
}

std::string FileName(int index)
{
    return "file" + std::to_string(index) + ".bin";
}

// Two sub-directories: the temporary file of a copy stands beside its target.
std::string Dest(int index)
{
    return index % 2 ? "one\\" : "two\\";
}

class Kill : public testing::Test {
protected:
    void SetUp() override
    {
        std::string script = "^AScript^A 1\n" + std::string(kProduct) + "\n" + kProduct + "\n1 1 1\n" +
                             "@^AFiles^A 1 1 1 0 0 1 1\n";
        for (int i = 0; i < kFiles; ++i) {
            script += "^A" + FileName(i) + "^A ^A" + Dest(i) + "^A 0 ^A^A\n";
            ASSERT_TRUE(dist.AddFile(FileName(i), Content(i)));
        }
        ASSERT_TRUE(dist.WriteScript(script));
        ASSERT_TRUE(dist.CopyIn("Uninstall.exe", std::string(CORVEL_SAMPLE_DIST) + "\\Uninstall.exe"));
    }

    // An install into dest that is killed ms after its placed-th file was placed (run to its end
    // when placed is negative). With a copyLoop, the time from the first to the last file placed
    // is measured on the way. False when the wizard did not get to Finish.
    bool Run(int placed, int ms = 0, double* copyLoop = nullptr)
    {
        SetupSession setup(dist.Dir());
        if (!InstallWithDefaults(setup, dest))
            return false;
        if (copyLoop) {
            WaitForPlaced(1);
            const double start = NowMs();
            WaitForPlaced(kFiles);
            *copyLoop = NowMs() - start;
        }
        if (placed < 0) {
            std::vector<ui::MessageBoxSeen> boxes;
            EXPECT_TRUE(setup.RunToEnd(&boxes));
            EXPECT_EQ(boxes.size(), 1u);
            EXPECT_TRUE(!boxes.empty() && boxes[0].text == kComplete);
        } else {
            WaitForPlaced(placed);
            ui::Pause(static_cast<DWORD>(ms));
            setup.Program().Kill();
        }
        return true;
    }

    // Until the count-th file is in place: they are placed in reverse script order.
    void WaitForPlaced(int count)
    {
        const int index = kFiles - count;
        const std::string path = dest + "\\" + Dest(index) + FileName(index);
        ui::WaitUntil([&] { return PathExists(path) || (ui::Pause(1), false); }, kRunMs);
    }

    static double NowMs()
    {
        LARGE_INTEGER frequency, now;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

    // Every target holds its source whole or is missing; the number placed.
    int Placed()
    {
        int placed = 0;
        for (int i = 0; i < kFiles; ++i) {
            const std::string target = dest + "\\" + Dest(i) + FileName(i);
            if (!PathExists(target))
                continue;
            ++placed;
            EXPECT_TRUE(ReadTextFile(target) == Content(i)) << target << " holds a part of its file";
        }
        return placed;
    }

    // The registered uninstaller's work, from the distribution's copy (the installed one may not
    // be there yet), killed killMs after `first` was deleted when killMs is not negative.
    void RunUninstaller(int killMs = -1, const std::string& first = "")
    {
        const std::string log = dest + "\\.UnInst.inf";
        if (!PathExists(log))
            return;
        ui::Process uninstall("\"" + dist.Dir() + "\\Uninstall.exe\" \"" + log + "\"", dist.Dir(), "y\r\n");
        if (killMs >= 0) {
            ui::WaitUntil([&] { return !PathExists(first) || (ui::Pause(1), false); }, kRunMs);
            ui::Pause(static_cast<DWORD>(killMs));
            uninstall.Kill();
            return;
        }
        DWORD exitCode = 1;
        EXPECT_TRUE(uninstall.Wait(60000, &exitCode));
        EXPECT_EQ(exitCode, 0u) << uninstall.Output();
        // Run again after a kill, it meets no file it has deleted already.
        EXPECT_EQ(uninstall.Output().find("Failed to delete"), std::string::npos) << uninstall.Output();
    }

    // The uninstaller run to its end; what it left of the product's files, each with its
    // attributes and size.
    std::set<std::string> Uninstall()
    {
        RunUninstaller();
        std::set<std::string> paths, files;
        ListTree(dest, true, &paths);
        for (const std::string& path : paths) {
            WIN32_FILE_ATTRIBUTE_DATA data;
            if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
                !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files.insert(path + " (attributes " + std::to_string(data.dwFileAttributes) + ", " +
                             std::to_string(data.nFileSizeLow) + " bytes)");
        }
        RemoveTree(dest);
        return files;
    }

    Distribution dist{"e2e-kill"};
    ProductGuard product{kProduct};
    const std::string dest = dist.Target("Kill");
};

TEST_F(Kill, ATargetHoldsItsFileWholeOrNothingAndTheLogMissesAtMostOne)
{
    ASSERT_TRUE(dist.Ready());
    double copyLoop = 0;
    ASSERT_TRUE(Run(-1, 0, &copyLoop));
    ASSERT_EQ(Placed(), kFiles);
    ASSERT_TRUE(Uninstall().empty());

    // Each kill comes after a random file, within about the time of one copy: inside the loop
    // however fast it runs, and often in the middle of the next file.
    std::mt19937 random(20261208);
    // The test sees a file some files after setup placed it: from the first half on.
    std::uniform_int_distribution<int> after(1, kFiles / 2);
    std::uniform_int_distribution<int> instant(0, static_cast<int>(2 * copyLoop / kFiles));
    int inTheLoop = 0;
    for (int kill = 0; kill < kKillsThenUninstall + kKillsThenInstall; ++kill) {
        const int placed = after(random), ms = instant(random);
        const bool installAgain = kill >= kKillsThenUninstall;
        SCOPED_TRACE("killed " + std::to_string(ms) + " ms after file " + std::to_string(placed) +
                     " was placed" + (installAgain ? ", installed again" : ""));
        ASSERT_TRUE(Run(placed, ms));
        const int found = Placed();
        inTheLoop += found > 0 && found < kFiles;
        if (installAgain) {
            Run(-1);
            EXPECT_EQ(Placed(), kFiles);
        }
        const std::set<std::string> left = Uninstall();
        // At most the file in flight, placed before its record was written; never a temporary
        // copy, which bears its mark until it is in place, and so goes with the uninstall.
        EXPECT_LE(left.size(), 1u) << "left: " << (left.empty() ? "" : *left.begin());
        for (const std::string& path : left)
            EXPECT_EQ(path.find("\\~cv"), std::string::npos) << "a temporary copy left: " << path;
    }
    // Most kills must land inside the copy loop, or this test proves nothing.
    EXPECT_GE(inTheLoop, (kKillsThenUninstall + kKillsThenInstall) / 2);
}

// The uninstaller deletes the log only after its last record: killed on the way, it leaves the log
// with the files it had not reached yet, and run again it takes the rest. Its log lists many small
// files, so that its deletes take long enough to be come between.
TEST_F(Kill, AnUninstallerKilledAndRunAgainLeavesNothing)
{
    constexpr int kMany = 1000;
    const std::string log = dest + "\\.UnInst.inf";
    auto path = [&](int i) { return dest + "\\f" + std::to_string(i) + ".txt"; };
    // A system DLL that this product and another one share: its count is 2 before each uninstall,
    // and the other product needs it after.
    const std::string system = dist.Target("KillSystem");
    const std::string shared = system + "\\kshared.dll";
    RegistryKeyGuard counts(HKEY_LOCAL_MACHINE, kSharedDllsKey);
    auto install = [&] {
        std::string records = std::string(kProduct) + "\r\ndir " + dest + "\r\n";
        bool made = MakeDirs(dest) && MakeDirs(system) && WriteTextFile(shared, "shared") &&
                    SetDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, shared, 2);
        for (int i = 0; i < kMany; ++i) {
            made = made && WriteTextFile(path(i), "x");
            records += "file 0 0 " + path(i) + "\r\n";
            if (i == kMany / 2)
                records += "inc " + shared + "\r\nfile 1 1 " + shared + "\r\n";
        }
        return made && WriteTextFile(log, records);
    };
    // What the other product still has: the DLL, counted (once; twice only for a kill in the
    // instant between its record's cut and the count's write, the safe side).
    auto sharedKept = [&] {
        DWORD count = 0;
        return PathExists(shared) && ReadDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, shared, &count) &&
               (count == 1 || count == 2);
    };
    auto left = [&] {
        std::set<std::string> paths;
        ListTree(dest, true, &paths);
        return static_cast<int>(paths.size()) - (PathExists(log) ? 1 : 0);
    };
    // The newest record first: the last file goes first.
    const std::string first = path(kMany - 1);

    ASSERT_TRUE(install());
    const double start = NowMs();
    RunUninstaller();
    const double whole = NowMs() - start;
    ASSERT_EQ(left(), 0);
    DWORD count = 0;
    EXPECT_TRUE(ReadDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, shared, &count) && count == 1) << count;

    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> instant(0, static_cast<int>(whole / 2));
    int halfway = 0;
    for (int kill = 0; kill < 4; ++kill) {
        const int ms = instant(random);
        SCOPED_TRACE("uninstaller killed " + std::to_string(ms) + " ms after its first delete");
        ASSERT_TRUE(install());
        RunUninstaller(ms, first);
        const int remaining = left();
        halfway += remaining > 0 && remaining < kMany;
        EXPECT_TRUE(remaining == 0 || PathExists(log)) << "files left without their log";
        EXPECT_TRUE(Uninstall().empty());
        EXPECT_TRUE(sharedKept()) << "a count lowered twice takes the other product's DLL";
    }
    EXPECT_GE(halfway, 2) << "the kills did not land while the uninstaller deleted files";
}

} // namespace
