// The setup script checker: the findings each pitfall gives, exactly; the sample product clean;
// the install plan; the commands' exit status and what build writes.
#include "setup-inf/Checks.h"
#include "setup-inf/Commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// Scripts are readable sources, "^A" for SOH. Lines 5 and 6: a module with the uninstaller.
const std::string kHead = "^AS^A 1\nP\nF\n1 1 1\n";
const std::string kMain = "@^AMain^A 1 1 1 0 0 1 1\n^AUninstall.exe^A ^A(NULL)^A 0 ^A^A\n";
const std::string kLong(260, 'x');

// Most scripts here have modules without files, and of one name, to keep them short.
Lines Check(const std::string& source, const std::string& dir = "", bool allRules = false)
{
    Findings findings("t");
    for (const char* id : {"S208", "S209"})
        if (!allRules)
            findings.Disable(id);
    CheckScript(MakeScriptText("t", source), dir, findings);
    return findings.Lines();
}

std::string ReadFile(const fs::path& path)
{
    std::string contents, reason;
    EXPECT_TRUE(ReadWholeFile(path.string(), contents, reason)) << path << ": " << reason;
    return contents;
}

// A scratch directory of its own, removed with it.
struct ScratchDir {
    ScratchDir() : path(fs::temp_directory_path() / ("setup-inf-" + std::to_string(std::random_device{}())))
    {
        fs::create_directories(path);
    }
    ~ScratchDir() { fs::remove_all(path); }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(path / name) << text; }
    fs::path path;
};

const std::string kReadAs =
    ", not as written: one space between the numbers, no blank before the first, no sign";
const std::string kHeaderAs = " (NT 3.x, NT 4, Windows 95, shared, system, Typical, Minimum)" + kReadAs;
const std::string kPlatformsAs = " (NT 3.x, NT 4, Windows 95)" + kReadAs;
const std::string kFieldsAs =
    ", not as written: one space between the fields, the shortcut kind a number without blank or sign";
const std::string kNoUninstaller =
    "t:1: error: [S407] no file line installs Uninstall.exe at the top of the install directory, where the "
    "uninstall command that setup registers runs it: add one with the destination (NULL) to a module of "
    "every installation type";
const std::string kLevel = ": give a file line further down the script a destination in it";
const std::string kLater = ": the one placed later replaces it, or is skipped as not newer";

TEST(SetupInf, FindingsOfEachPitfall)
{
    const struct {
        const char* what;
        std::string script;
        Lines findings;
        bool allRules = false;
    } cases[] = {
        {"format refused",
         "^AS^A  1\nP\nF\n1 1 1\n" + kMain,
         {"t:1: error: [S101] setup refuses this format line with \"Unknown .inf file format.\": write ^A, a "
          "name, ^A, one space and a number of 1 or more"}},
        {"ends early",
         "^AS^A 1\nP\n",
         {"t:2: error: [S102] the script ends before its fourth line: the format line, the product name, the "
          "Start-menu folder and the platforms line come first, in this order"}},
        {"a head line missing",
         "^AS^A 1\nP\n1 1 1\n" + kMain,
         {kNoUninstaller,
          "t:4: error: [S103] setup reads line 4 as the platforms line by its place, but it looks like a "
          "module header or a file line: is a line missing above it?",
          "t:4: error: [S106] the platforms line reads as 0 1 1" + kPlatformsAs,
          "t:5: error: [S301] this file line comes before the first module header, so setup drops it: put it "
          "below a module header"}},
        {"names",
         "^AS^A 1\n\n F\n1 1 1\n" + kMain,
         {"t:2: error: [S104] the product name is empty: setup names the uninstall registration, the log and "
          "the default destination directory after it",
          "t:3: warning: [S105] the Start-menu folder name starts with a blank, which setup keeps: remove "
          "it"}},
        {"platforms: blank",
         "^AS^A 1\n P\nF\n 1 1 1\n" + kMain,
         {"t:2: warning: [S105] the product name starts with a blank, which setup keeps: remove it",
          "t:4: error: [S106] the platforms line reads as 0 1 1" + kPlatformsAs}},
        {"platforms: two spaces",
         "^AS^A 1\nP\nF\n1  1 1\n" + kMain,
         {"t:4: error: [S106] the platforms line reads as 1 0 1" + kPlatformsAs}},
        {"platforms: sign",
         "^AS^A 1\nP\nF\n+1 1 1\n" + kMain,
         {"t:4: error: [S106] the platforms line reads as 0 1 1" + kPlatformsAs}},
        {"platforms: none",
         "^AS^A 1\nP\nF\n0 0 0\n" + kMain,
         {"t:4: error: [S107] the platforms line allows no platform: setup refuses to install anywhere"}},
        {"header: two spaces",
         kHead + kMain + "@^AM^A  1 1 1 0 0 1 1\n",
         {"t:7: error: [S201] the module header reads as 0 1 1 1 0 0 1" + kHeaderAs}},
        {"header: sign",
         kHead + kMain + "@@^AM^A 1 1 1 0 0 -1 1\n",
         {"t:7: error: [S201] the module header reads as 1 1 1 0 0 0 1" + kHeaderAs}},
        {"header: name not closed",
         kHead + kMain + "@^AM 1 1 1 0 0 1 1\n",
         {"t:7: error: [S202] the module name has no closing SOH (^A), so the header's numbers read as 0",
          "t:7: warning: [S206] module \"M 1 1 1 0 0 1 1\\n\" is on none of the platforms that line 4 allows "
          "(NT 3.x, NT 4, Windows 95), so setup never installs it"}},
        {"header: names",
         kHead + kMain + "@^A^A 1 1 1 0 0 1 1\n@^A" + kLong + "^A 1 1 1 0 0 1 1\n",
         {"t:7: warning: [S204] the module name is empty: its box in Custom has no label",
          "t:8: error: [S203] the module name has 260 characters; setup keeps the first 259"}},
        {"@ without SOH",
         kHead + kMain + "@ remark\n^Aa^A ^A(NULL)^A 0 ^A^A\nrem\n^Ab^A ^A(NULL)^A 0 ^A^A\n",
         {"t:7: warning: [S205] this line starts with \"@\" but no SOH follows, so setup ends the current "
          "module here and drops its file lines up to the next header; begin a remark with another character",
          "t:8: error: [S301] this file line comes after the \"@\" line 7 without SOH, which ended its "
          "module, so setup drops it and the 1 file line after it: put it below a module header"}},
        {"before the first header",
         kHead + "^Aa^A ^A(NULL)^A 0 ^A^A\n" + kMain,
         {"t:5: error: [S301] this file line comes before the first module header, so setup drops it: put it "
          "below a module header"}},
        {"indented, too long, Ctrl-Z",
         kHead + kMain + " @^AM^A 1 1 1 0 0 1 1\nrem " + std::string(776, 'x') +
             "\n\x1a\n@^AM^A 1 1 1 0 0 1 1\n",
         {"t:7: error: [S110] this line starts with a blank, so setup takes it for a remark: a module header "
          "or a file line starts in the first column",
          "t:8: error: [S108] this line has 781 characters with its line end; setup reads at most 779 at a "
          "time and takes the rest for a line of its own",
          "t:9: error: [S109] setup reads the script in text mode, which ends at this Ctrl-Z: it never reads "
          "the lines after it; remove the Ctrl-Z"}},
        {"file line: SOH missing",
         kHead + kMain + "^Aa\n^Ab^A\n^Ac^A ^Ad\n^Ae^A ^A(NULL)^A 0\n^Af^A ^Af^A 1\n^Ag^A ^A(NULL)^A 0 ^Ax\n",
         {"t:7: error: [S302] the source has no closing SOH (^A)",
          "t:8: error: [S317] the line ends after the source: a file line has a source, a destination, a "
          "shortcut kind and a shortcut name",
          "t:9: error: [S302] the destination has no closing SOH (^A)",
          "t:11: error: [S318] the line ends before the shortcut name: write ^A^A for none",
          "t:12: error: [S302] the shortcut name has no closing SOH (^A)"}},
        {"file line: spaces",
         kHead + kMain + "^Aa^A ^A(NULL)^A  1 ^AA^A\n^Ab^A ^A(NULL)^A1 ^AB^A\n",
         {"t:7: error: [S303] setup reads the shortcut kind as 0" + kFieldsAs,
          "t:8: error: [S303] setup reads the shortcut kind as 0, the shortcut name as \"\"" + kFieldsAs}},
        {"modules on no platform",
         "^AS^A 1\nP\nF\n1 1 0\n" + kMain + "@^AOff^A 0 0 0 0 0 1 1\n@^A95^A 0 0 1 0 0 1 1\n",
         {"t:7: warning: [S206] module \"Off\" is on none of the platforms that line 4 allows (NT 3.x, NT "
          "4), so setup never installs it",
          "t:8: warning: [S206] module \"95\" is on none of the platforms that line 4 allows (NT 3.x, NT 4), "
          "so setup never installs it"}},
        {"eleven modules",
         [] {
             std::string script = kHead + "@^AOpt^A 1 1 1 0 0 0 0\n" + kMain;
             for (int i = 0; i < 9; ++i)
                 script += "@^AM^A 1 1 1 0 0 1 1\n";
             return script;
         }(),
         {"t:5: warning: [S207] module \"Opt\" has no box in Custom on NT 3.x, NT 4, Windows 95: only the "
          "first ten modules of the list (the last ten of the script) get one, and a Custom installation "
          "always installs the others, though neither Typical nor Minimum installs it"}},
        {"destinations",
         kHead + kMain +
             "^Aa^A ^A(null)^A 0 ^A^A\n^Ab^A ^A^A 0 ^A^A\n^Ac^A ^A..\\c^A 0 ^A^A\n^Ad^A ^AC:\\d^A 0 "
             "^A^A\n^Ae^A ^A\\e^A 0 ^A^A\n^Af^A ^Adoc/f^A 0 ^A^A\n^Ag^A ^Ag*^A 0 ^A^A\n",
         {"t:7: error: [S309] setup takes only (NULL) in capitals and without blanks for the source's name: "
          "it installs this file as \"(null)\"",
          "t:8: error: [S310] the destination is empty, so setup copies onto the install directory itself: "
          "write (NULL) to install the file under its source name",
          "t:9: error: [S311] the destination climbs out of the install directory with \"..\": setup places "
          "files below it",
          "t:10: error: [S312] the destination names a drive, but setup places it below the install "
          "directory, where a colon makes no valid name",
          "t:11: error: [S313] the destination starts with a backslash, but setup still places it below the "
          "install directory: leave the backslash out",
          "t:12: error: [S314] the destination has a slash, which setup does not take for a directory "
          "separator: it makes no directory for it; write a backslash",
          "t:13: error: [S307] the destination has a character that no file name can take: \"*\""}},
        {"sources and lengths",
         kHead + kMain + "^Adisk1\\a^A ^A(NULL)^A 0 ^A^A\n^A^A ^Ab^A 0 ^A^A\n^A" + std::string(200, 'c') +
             "^A ^A" + std::string(100, 'd') + "\\^A 0 ^A^A\n^Ae^A ^A" + kLong + "^A 0 ^A^A\n",
         {"t:7: warning: [S306] setup copies only \"a\" from the distribution directory itself: the "
          "directory part of \"disk1\\a\" is not used",
          "t:8: error: [S305] the source is empty: name a file of the distribution directory",
          "t:9: error: [S308] the destination with the source's name appended has 301 characters; setup "
          "keeps the first 259",
          "t:10: error: [S308] the destination has 260 characters; setup keeps the first 259"}},
        {"same targets",
         kHead + kMain +
             "^Aa^A ^Ax.exe^A 0 ^A^A\n^Ab^A ^AX.EXE^A 0 ^A^A\n^Aprogramfile.exe^A ^A(NULL)^A 0 ^A^A\n^Ac^A "
             "^APROGRA~1.EXE^A 0 ^A^A\n@^AOpt^A 1 1 1 0 0 0 0\n^Ad^A ^Ax.exe^A 0 ^A^A\n",
         {"t:8: error: [S401] this file goes to the same place as the one of line 7, <install dir>\\x.exe" +
              kLater,
          "t:10: warning: [S403] this file may go to the same place as the one of line 9: \"PROGRA~1.EXE\" "
          "can be the short name of \"programfile.exe\"",
          "t:12: warning: [S402] this file goes to the same place as the one of line 7, <install "
          "dir>\\x.exe" +
              kLater + " (in a Custom installation with both ticked)"}},
        {"two directory levels",
         kHead + kMain +
             "^Aa^A ^Alib\\sub\\^A 0 ^A^A\n^Ab^A ^Alib\\^A 0 ^A^A\n^Ac^A ^Adoc\\^A 0 ^A^A\n^Ad^A "
             "^Adoc\\sub\\^A 0 ^A^A\n@^ASys^A 1 1 1 1 1 1 1\n^Ae^A ^Adrv\\x\\^A 0 ^A^A\n",
         {"t:10: error: [S404] setup makes only the last level of <install dir>\\doc\\sub, and no file "
          "placed before this one makes <install dir>\\doc (NT 3.x, Typical)" +
              kLevel,
          "t:12: warning: [S405] setup makes only the last level of <system dir>\\drv\\x, and no file placed "
          "before this one makes <system dir>\\drv (NT 3.x, Typical)" +
              kLevel + ", unless every machine has it"}},
        {"no uninstaller", kHead + "@^AM^A 1 1 1 0 0 1 1\n^Aa^A ^A(NULL)^A 0 ^A^A\n", {kNoUninstaller}},
        {"uninstaller not at the top",
         kHead + "@^AM^A 1 1 1 0 0 1 1\n^AUninstall.exe^A ^Abin\\^A 0 ^A^A\n",
         {kNoUninstaller,
          "t:6: error: [S406] this installs the uninstaller as <install dir>\\bin\\Uninstall.exe, but the "
          "uninstall command that setup registers runs <install dir>\\Uninstall.exe"}},
        {"uninstaller left out",
         kHead + "@^AM^A 0 1 1 0 0 1 0\n^AUninstall.exe^A ^A(NULL)^A 0 ^A^A\n",
         {"t:1: error: [S407] no file line installs Uninstall.exe at the top of the install directory on NT "
          "3.x, where the uninstall command that setup registers runs it: add one with the destination "
          "(NULL) to a module of every installation type",
          "t:6: error: [S408] a Minimum installation on NT 4, Windows 95 leaves out this module and with it "
          "Uninstall.exe, but still registers the uninstall command that runs it"}},
        {"group names",
         "^AS^A 1\nP\nA, B@" + std::string(110, 'c') + "\n1 0 0\n" + kMain + "^Aa^A ^Aa^A 1 ^AA^A\n",
         {"t:3: error: [S503] the Program Manager group name has 115 characters; its commands take at most "
          "112",
          "t:3: error: [S504] Program Manager cannot take \",\" in a group name: its commands end the name "
          "there",
          "t:3: warning: [S505] the Program Manager group name has an \"@\", where Uninstall.exe cuts its "
          "uninstall record: it cannot remove the items"}},
        {"folder names",
         "^AS^A 1\nP\nA\\B\n0 1 1\n" + kMain + "^Aa^A ^Aa^A 1 ^AA^A\n",
         {"t:3: error: [S502] the Start-menu folder name has a character that a folder name cannot take: "
          "\"\\\" (setup makes only the last level)"}},
        {"empty folder name",
         "^AS^A 1\nP\n\n1 1 1\n" + kMain + "^Aa^A ^Aa^A 1 ^AA^A\n",
         {"t:3: warning: [S501] the Start-menu folder name is empty: setup puts the shortcuts straight into "
          "the Programs folder, and Program Manager makes no group without a name"}},
        {"shortcut names",
         kHead + kMain +
             "^Aa^A ^Aa^A 1 ^AA:B^A\n^Ab^A ^Ab^A 0 ^AB^A\n^Ac^A ^Ac^A 2 ^A^A\n^Ad^A ^Ad^A 1 ^Aa:b^A\n^Ae^A "
             "^Ae^A 2 ^Aq\"^A\n",
         {"t:7: error: [S508] the shortcut name has a character that a file name cannot take: \":\"; setup "
          "cannot save the shortcut",
          "t:8: warning: [S506] shortcut kind 0 makes no shortcut, so its name is not used: write 1 (the "
          "user's Programs folder) or 2 (the common one)",
          "t:9: warning: [S507] the shortcut has no name: setup makes it as \".lnk\", or an item without a "
          "title",
          "t:10: error: [S511] this shortcut has the name of the one of line 7, \"a:b\", in the same place: "
          "the one made later replaces it",
          "t:10: error: [S508] the shortcut name has a character that a file name cannot take: \":\"; setup "
          "cannot save the shortcut",
          "t:11: error: [S508] the shortcut name has a character that a file name cannot take: \"\"\"; setup "
          "cannot save the shortcut",
          "t:11: error: [S509] Program Manager cannot take a double quote in an item name: setup's command "
          "for it ends the name there"}},
        {"item names on NT 3.x",
         "^AS^A 1\nP\nF\n1 0 0\n" + kMain + "^Aa^A ^Aa^A 1 ^AA (B)^A\n^Ab^A ^Ab^A 1 ^A" +
             std::string(113, 'b') + "^A\n^Ac^A ^Ac^A 1 ^A" + std::string(114, 'c') + "^A\n",
         {"t:7: warning: [S510] Uninstall.exe cannot remove this Program Manager item: its command ends the "
          "name at the \"(\"",
          "t:9: warning: [S512] Uninstall.exe cannot remove this Program Manager item: its name has 114 "
          "characters and its command takes at most 113"}},
        {"names Windows changes or takes for devices",
         kHead + kMain +
             "^Aa^A ^Aa.txt ^A 0 ^A^A\n^Ab.^A ^A(NULL)^A 0 ^A^A\n^Aaux.hlp^A ^A(NULL)^A 0 ^A^A\n^Ac^A "
             "^ACom1\\c^A 0 ^A^A\n^Acon1^A ^A(NULL)^A 0 ^A^A\n",
         {"t:7: error: [S315] the destination \"a.txt \" has a name that ends in a space, which Windows "
          "would drop: setup refuses the file (\"Failed to install file\", VIF_CANNOTCREATE)",
          "t:8: error: [S315] the destination \"b.\" has a name that ends in a dot, which Windows would "
          "drop: setup refuses the file (\"Failed to install file\", VIF_CANNOTCREATE)",
          "t:9: error: [S316] the destination \"aux.hlp\" names the device AUX, not a file: setup refuses "
          "the file (\"Failed to install file\", VIF_CANNOTCREATE); choose another name",
          "t:10: error: [S316] the destination \"Com1\\c\" names the device COM1, not a file: setup refuses "
          "the file (\"Failed to install file\", VIF_CANNOTCREATE); choose another name"}},
        {"text an editor shows otherwise",
         "^AS^A 1\nObstg\xc3\xa4rten\nF\n1 1 1\n" + kMain + "^aa^a ^a(NULL)^a 0 ^a^a\n",
         {"t:2: warning: [S113] this line holds UTF-8 text (\"\xc3\xa4\" is 2 bytes), which setup reads in "
          "the ANSI code page, one character per byte: save the script in the ANSI code page",
          "t:7: error: [S112] \"^a\" is not SOH: the notation takes only \"^A\", in capitals"}},
        {"CR line ends",
         "^AS^A 1\rP\rF\r1 1 1\r",
         {"t:1: error: [S102] the script ends before its fourth line: the format line, the product name, the "
          "Start-menu folder and the platforms line come first, in this order",
          "t:1: error: [S111] this line holds a CR without a LF after it: setup takes only CR LF or LF for a "
          "line end, so what follows the CR stays on this line; save the script with CR LF line ends"}},
        {"modules without files, of one name",
         kHead + kMain + "@^AMain^A 1 1 1 0 0 0 0\n@^AX^A 0 0 1 0 0 0 0\n^Ax^A ^A(NULL)^A 0 ^A^A\n",
         {"t:7: warning: [S209] module \"Main\" has the name of the module of line 5: the Custom page shows "
          "two boxes of one label",
          "t:7: warning: [S208] module \"Main\" has no file lines: its installation installs nothing"},
         true},
        {"text past the last field",
         "^AS^A 1\nP\nF\n1 1 1 1\n" + kMain +
             "@^AM^A 1 1 1 0 0 1 1 9\n^Aa^A ^A(NULL)^A 0 ^A^A x\n^Ab^A ^A(NULL)^A 0 ^A^A ^Ax^A\n",
         {"t:4: warning: [S304] setup reads three numbers and drops the rest: \"1\"",
          "t:7: warning: [S304] setup reads seven numbers after the module name and drops the rest: \"9\"",
          "t:8: warning: [S304] setup reads four fields of a file line and drops the rest: \"x\"",
          "t:9: warning: [S304] setup reads four fields of a file line and drops the rest: \"^Ax^A\""}},
        {"a product name too long to register",
         "^AS^A 1\n" + std::string(192, 'p') + "\nF\n1 1 1\n" + kMain,
         {"t:2: error: [S116] the product name has 192 characters: with more than 191 setup cannot register "
          "the uninstall command"}},
        {"rules disabled by a remark line",
         kHead + kMain + "setup-inf: disable S506 S9\n^Aa^A ^Aa^A 0 ^AA^A\n",
         {"t:7: warning: [S115] no rule has the id \"S9\": see setup-inf rules"}},
        {"clean",
         kHead + kMain +
             "^Ab^A ^Alib\\sub\\^A 0 ^A^A\n^Ac^A ^Alib\\^A 1 ^AC^A\n^Ad^A ^A(NULL)^A\n^Ae^A ^Ahelp\\\\^A 0 "
             "^A^A\n@^AOpt^A 1 1 1 0 0 0 0\nrem\r\r\n",
         {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check(c.script, "", c.allRules), c.findings) << c.what;
}

TEST(SetupInf, DistributionDirectory)
{
    ScratchDir dist;
    for (const char* name : {"setup.exe", "SETUP.INF", "uninstall.EXE", "b.dll", "extra.txt"})
        dist.Write(name, "");
    fs::create_directory(dist.path / "Docs");
    const Lines findings = Check(
        kHead + kMain +
            "^Aa.exe^A ^A(NULL)^A 0 ^A^A\n^Asub\\B.DLL^A ^A(NULL)^A 0 ^A^A\n^Adocs^A ^A(NULL)^A 0 ^A^A\n",
        dist.path.string());
    EXPECT_EQ(findings,
              (Lines{"t:7: error: [S601] the source \"a.exe\" is not in the distribution directory",
                     "t:8: warning: [S306] setup copies only \"B.DLL\" from the distribution directory "
                     "itself: the directory part of \"sub\\B.DLL\" is not used",
                     "t:9: error: [S602] the source \"docs\" is a directory of the distribution directory: "
                     "setup copies files only; name the files in it, each on a line of its own",
                     (dist.path / "extra.txt").string() +
                         ":1: warning: [S603] no line of Setup.inf installs this file: add a file line for "
                         "it, or leave it out of the distribution"}));
}

// The sample's plan on NT 4: its uninstall log is the one setup writes for it there.
TEST(SetupInf, InstallPlans)
{
    const std::string sample = ReadFile(SAMPLE_SCRIPT);
    const struct {
        const char* what;
        std::string script;
        std::vector<std::string> args;
        std::string plan;
    } cases[] = {
        {"sample, NT 4, Typical", sample, {}, R"(Sample Editor, on NT 4, Typical
Modules, in list order:
  Runtime: box 1, ticked at first; shared, system; installed
  Editor: box 2, ticked at first; installed
Files, in placement order:
  <system dir>\edrt.dll (Runtime, line 13)
  <install dir>\Uninstall.exe (Editor, line 10)
  <install dir>\help\edit.hlp (Editor, line 9)
  <install dir>\edit.exe (Editor, line 8), shortcut <user Programs>\Sample Editor\Sample Editor.lnk
Uninstall log (.UnInst.inf in <install dir>), a new one:
  Sample Editor
  dir <install dir>
  inc <system dir>\edrt.dll
  file 1 1 <system dir>\edrt.dll
  file 0 0 <install dir>\Uninstall.exe
  dir <install dir>\help
  file 0 0 <install dir>\help\edit.hlp
  file 0 0 <install dir>\edit.exe
  dir <user Programs>\Sample Editor
  file 0 0 <user Programs>\Sample Editor\Sample Editor.lnk
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Sample Editor
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Sample Editor\DisplayName
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Sample Editor\UninstallString
Default directories, as setup finds them on a fresh NT 4 installed on drive C:
  <install dir> C:\Program Files\Sample Editor (the wizard's default)
  <system dir> C:\WINNT\system32
  <user Programs> C:\WINNT\Profiles\<user name>\Start Menu\Programs
  <common Programs> C:\WINNT\Profiles\All Users\Start Menu\Programs
)"},
        {"NT 3.x, Custom",
         [] {
             std::string script = kHead + "@^AShared^A 1 1 1 1 0 0 0\n^As.dll^A ^Alib\\x\\^A 2 ^AS^A\n";
             for (int i = 0; i < 10; ++i)
                 script += "@^AM" + std::to_string(i) + "^A 1 1 1 0 0 " + (i == 9 ? "1" : "0") + " 0\n";
             return script;
         }(),
         {"--platform", "nt351", "--type", "custom"},
         R"(P, on NT 3.x, Custom, with the boxes as they are first shown
Modules, in list order:
  M9: box 1, ticked at first; installed
  M8: box 2, not ticked at first; left out
  M7: box 3, not ticked at first; left out
  M6: box 4, not ticked at first; left out
  M5: box 5, not ticked at first; left out
  M4: box 6, not ticked at first; left out
  M3: box 7, not ticked at first; left out
  M2: box 8, not ticked at first; left out
  M1: box 9, not ticked at first; left out
  M0: box 10, not ticked at first; left out
  Shared: no box; shared; installed
Files, in placement order:
  <install dir>\lib\x\s.dll (Shared, line 6): not placed, <install dir>\lib does not exist
Uninstall log (.UnInst.inf in <install dir>), a new one:
  P
  dir <install dir>
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\P
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\P\DisplayName
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\P\UninstallString
Default directories, as setup finds them on a fresh NT 3.x installed on drive C:
  <install dir> C:\P (the wizard's default)
  <system dir> C:\WINNT35\system32
  shortcuts: Program Manager items, no folders
)"},
        {"Windows 95, Minimum",
         kHead + "@^AM^A 1 1 1 1 1 1 1\n^Aa^A ^Abin\\^A 2 ^AA^A\n",
         {"--platform", "win95", "--type", "minimum"},
         R"(P, on Windows 95, Minimum
Modules, in list order:
  M: box 1, ticked at first; shared, system; installed
Files, in placement order:
  <system dir>\bin\a (M, line 6), shortcut <user Programs>\F\A.lnk
Uninstall log (.UnInst.inf in <install dir>), a new one:
  P
  dir <install dir>
  dir <system dir>\bin
  file 1 1 <system dir>\bin\a
  dir <user Programs>\F
  file 0 0 <user Programs>\F\A.lnk
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\P
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\P\DisplayName
  key HKEY_LOCAL_MACHINE SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\P\UninstallString
Default directories, as setup finds them on a fresh Windows 95 installed on drive C:
  <install dir> C:\Program Files\P (the wizard's default)
  <system dir> C:\WINDOWS\SYSTEM
  <user Programs> and <common Programs> C:\WINDOWS\Start Menu\Programs
)"},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        ScratchDir dir;
        dir.Write("Setup.inf.in", c.script);
        std::vector<std::string> args = {"show", (dir.path / "Setup.inf.in").string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(RunSetupInf(args, out, err), 0) << c.what << err.str();
        EXPECT_EQ(out.str(), c.plan) << c.what;
    }
}

// The registration's records as long product names leave them: setup writes a value only when its
// path fits the 260-byte buffer it is split in.
TEST(SetupInf, RegistrationRecordsOfLongProductNames)
{
    const struct {
        std::size_t length;
        const char* last; // the end of the log's last record
    } cases[] = {{191, "\\UninstallString"}, {192, "\\DisplayName"}, {195, "\\DisplayName"}, {196, "pp"}};
    for (const auto& c : cases) {
        ScratchDir dir;
        dir.Write("s.in", "^AS^A 1\n" + std::string(c.length, 'p') + "\nF\n1 1 1\n" + kMain);
        std::ostringstream out, err;
        RunSetupInf({"show", (dir.path / "s.in").string()}, out, err);
        const std::string plan = out.str().substr(0, out.str().find("Default directories"));
        const std::string end = std::string(c.last) + "\n";
        EXPECT_EQ(plan.substr(plan.size() - end.size()), end) << c.length;
    }
}

// Exit status, output, and what build writes; a failed build leaves no Setup.inf, not even the
// one of the build before.
TEST(SetupInf, Commands)
{
    ScratchDir dir, empty;
    const std::string src = (dir.path / "s.in").string(), out = (dir.path / "Setup.inf").string();
    const std::string warned = kHead + kMain + "^Aa^A ^Aa^A 0 ^AA^A\n";
    const std::string bad = (dir.path / "bad.in").string(), missing = (dir.path / "missing").string();
    dir.Write("warned.in", warned);
    dir.Write("bad.in", kHead + "@^AM^A 1 1 1 0 0 1 1\n");
    const std::string sample = SAMPLE_SCRIPT;
    const struct {
        std::vector<std::string> args;
        int status;
        bool findings;       // printed on the output stream, before the summary
        std::string summary; // check's last line
        std::string errors;  // the start of the error stream
    } cases[] = {
        {{"check", sample}, 0, false, sample + ": no errors, no warnings", ""},
        {{"check", sample, "--werror"}, 0, false, sample + ": no errors, no warnings", ""},
        {{"check", (dir.path / "warned.in").string()}, 0, true, "warned.in: no errors, 1 warning", ""},
        {{"check", (dir.path / "warned.in").string(), "--werror"},
         1,
         true,
         "warned.in: no errors, 1 warning",
         ""},
        {{"check", bad}, 1, true, "bad.in: 1 error, 1 warning", ""},
        {{"build", bad, out}, 1, true, "", ""},
        {{"build", missing, out},
         2,
         false,
         "",
         "setup-inf: cannot read " + missing + ": No such file or directory"},
        {{"build", sample, (dir.path / "gone" / "Setup.inf").string()},
         2,
         false,
         "",
         "setup-inf: cannot write " + (dir.path / "gone" / "Setup.inf").string() +
             ": No such file or directory"},
        {{"show", sample, "--platform", "nt5"}, 2, false, "", "usage: setup-inf check PATH"},
        {{"check", missing},
         2,
         false,
         "",
         "setup-inf: cannot read " + missing + ": No such file or directory"},
        {{"check", empty.path.string()}, 2, false, "", "setup-inf: no Setup.inf in "},
        {{"build", sample}, 2, false, "", "usage: "},
        {{"lint", sample}, 2, false, "", "usage: "},
        {{"check", (dir.path / "warned.in").string(), "--werror", "--disable", "S506"},
         0,
         false,
         "warned.in: no errors, no warnings",
         ""},
        {{"check", (dir.path / "warned.in").string(), "--disable", "S999"}, 2, false, "", "usage: "},
        {{"rules"}, 0, true, "", ""},
    };
    for (const auto& c : cases) {
        dir.Write("Setup.inf", "the build before");
        std::ostringstream output, errors;
        EXPECT_EQ(RunSetupInf(c.args, output, errors), c.status) << c.args[0] << " " << c.args.back();
        EXPECT_EQ(errors.str().substr(0, c.errors.size()), c.errors) << c.args[0] << " " << c.args.back();
        std::string printed = output.str();
        if (!c.summary.empty()) {
            const std::size_t last = printed.rfind('\n', printed.size() - 2);
            const std::string line = printed.substr(last == std::string::npos ? 0 : last + 1);
            EXPECT_EQ(line.substr(line.size() - c.summary.size() - 1), c.summary + "\n") << printed;
            printed.erase(last == std::string::npos ? 0 : last + 1);
        }
        EXPECT_EQ(!printed.empty(), c.findings) << printed;
        if (c.args[0] == "build" && c.args.size() == 3)
            EXPECT_FALSE(fs::exists(c.args[2])) << c.args[1];
    }
    // A source named as its own output is never removed.
    std::ostringstream ignored;
    EXPECT_EQ(RunSetupInf({"build", bad, bad}, ignored, ignored), 1);
    EXPECT_TRUE(fs::exists(bad));

    // Each rule once, in the order of its id.
    std::ostringstream rules, none;
    RunSetupInf({"rules"}, rules, none);
    std::istringstream listed(rules.str());
    std::string last, id, severity;
    for (std::string line; std::getline(listed, line); last = id) {
        std::istringstream(line) >> id >> severity;
        EXPECT_LT(last, id) << line;
        EXPECT_EQ(FindRule(id)->severity == Severity::Error ? "error" : "warning", severity) << line;
    }

    std::ostringstream output, errors;
    dir.Write("s.in", "^AS^A 1\r\nP\nF\n1 1 1\n" + kMain);
    EXPECT_EQ(RunSetupInf({"build", src, out}, output, errors), 0) << output.str() << errors.str();
    EXPECT_EQ(ReadFile(out), "\x01S\x01 1\r\nP\r\nF\r\n1 1 1\r\n@\x01Main\x01 1 1 1 0 0 1 "
                             "1\r\n\x01Uninstall.exe\x01 \x01(NULL)\x01 0 \x01\x01\r\n");
    // A Setup.inf reads as its source did, in a distribution directory too.
    ScratchDir dist;
    fs::copy_file(out, dist.path / "Setup.inf");
    dist.Write("Uninstall.exe", "");
    EXPECT_EQ(RunSetupInf({"check", dist.path.string()}, output, errors), 0) << output.str();
    EXPECT_EQ(output.str(), (dist.path / "Setup.inf").string() +
                                ": no errors, no warnings, with the files of " + dist.path.string() + "\n");
    output.str("");
    // The source itself shipped as Setup.inf is the file that setup refuses.
    dist.Write("Setup.inf", kHead + kMain);
    EXPECT_EQ(RunSetupInf({"check", dist.path.string()}, output, errors), 1);
    EXPECT_EQ(output.str().substr(output.str().find(": error: ")),
              ": error: [S114] this Setup.inf has \"^A\" where setup needs the SOH byte, so setup refuses it "
              "with \"Unknown .inf file format.\": make it with setup-inf build\n" +
                  (dist.path / "Setup.inf").string() + ": 1 error, no warnings, with the files of " +
                  dist.path.string() + "\n");
}

} // namespace
