// The test Program Manager's command language and group semantics, which the setup and
// uninstaller tests trust to behave like Program Manager.
#include "ProgmanGroups.h"

#include <gtest/gtest.h>

namespace {

std::string Show(const std::vector<ProgmanCommand>& commands)
{
    std::string text;
    for (const auto& command : commands) {
        text += command.name + "(";
        for (size_t i = 0; i < command.args.size(); ++i)
            text += (i ? "|" : "") + command.args[i];
        text += ")";
    }
    return text;
}

TEST(ProgmanCommands, ParseLikeProgramManager)
{
    struct Case {
        const char* text;
        bool ok;
        const char* parsed;
    } const cases[] = {
        {"[CreateGroup(Main)]", true, "CreateGroup(Main)"},
        {" [ ShowGroup ( Main Tools , 1 ) ] ", true, "ShowGroup(Main Tools|1)"},
        {"[AddItem(\"C:\\a b.exe\",\" Title, (1) \")]", true, "AddItem(C:\\a b.exe| Title, (1) )"},
        {"[AddItem(C:\\a.exe,,)]", true, "AddItem(C:\\a.exe||)"},
        {"[ExitProgman]", true, "ExitProgman()"},
        {"[CreateGroup(A)][ShowGroup(A,1)]", true, "CreateGroup(A)ShowGroup(A|1)"},
        {"", true, ""},
        {"CreateGroup(Main)", false, ""},
        {"[CreateGroup(Main]", false, ""},
        {"[CreateGroup(\"Main)]", false, ""},
        {"[CreateGroup(Main)] x", false, ""},
        {"[(Main)]", false, ""},
        {"[CreateGroup(Ma\"in\")]", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<ProgmanCommand> commands;
        EXPECT_EQ(ParseProgmanCommands(c.text, &commands), c.ok);
        EXPECT_EQ(Show(commands), c.parsed);
    }
}

TEST(ProgmanGroups, FollowTheActiveGroup)
{
    struct Step {
        const char* command;
        bool done;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const char* dump;
    } const cases[] = {
        {"an existing group is only activated, names ignore case",
         {{"[CreateGroup(Main)][CreateGroup(Games)]", true},
          {"[CreateGroup(MAIN)]", true},
          {"[AddItem(C:\\Apps\\Tool.exe /x)]", true}},
         "GROUP\tMain\t1\nITEM\tTool\tC:\\\\Apps\\\\Tool.exe /x\t\t0\t\t\t\nGROUP\tGames\t0\n"},
        {"show needs an existing group",
         {{"[ShowGroup(Main,1)]", false}, {"[AddItem(C:\\a.exe)]", false}},
         ""},
        {"replace leaves a gap that the next item fills",
         {{"[CreateGroup(G)][AddItem(C:\\a.exe,A)][AddItem(C:\\b.exe,B)][AddItem(C:\\c.exe,C)]", true},
          {"[ReplaceItem(b)]", true},
          {"[AddItem(C:\\new.exe,B,C:\\new.exe,2,10,20,C:\\)]", true},
          {"[ReplaceItem(X)]", false}},
         "GROUP\tG\t1\nITEM\tA\tC:\\\\a.exe\t\t0\t\t\t\nITEM\tB\tC:\\\\new.exe\tC:\\\\new.exe\t2\t10\t20\tC:"
         "\\\\\n"
         "ITEM\tC\tC:\\\\c.exe\t\t0\t\t\t\n"},
        {"without replace a title is added twice",
         {{"[CreateGroup(G)][AddItem(C:\\a.exe,A)][AddItem(C:\\a.exe,A)]", true}},
         "GROUP\tG\t1\nITEM\tA\tC:\\\\a.exe\t\t0\t\t\t\nITEM\tA\tC:\\\\a.exe\t\t0\t\t\t\n"},
        {"items are deleted from the active group only",
         {{"[CreateGroup(G)][AddItem(C:\\a.exe,A)][CreateGroup(H)]", true},
          {"[DeleteItem(A)]", false},
          {"[ShowGroup(G,1)][DeleteItem(A)]", true}},
         "GROUP\tG\t1\nGROUP\tH\t0\n"},
        {"a deleted active group leaves none active",
         {{"[CreateGroup(G)][DeleteGroup(g)]", true},
          {"[AddItem(C:\\a.exe)]", false},
          {"[DeleteGroup(G)]", false}},
         ""},
        {"commands stop at the first that fails",
         {{"[CreateGroup(G)][DeleteItem(X)][AddItem(C:\\a.exe)]", false},
          {"[Bogus(1)]", false},
          {"[CreateGroup()]", false},
          {"[AddItem()]", false}},
         "GROUP\tG\t1\n"},
    };
    // The dump escapes a backslash as two.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgmanGroups groups;
        for (const Step& step : c.steps)
            EXPECT_EQ(groups.Execute(step.command), step.done) << step.command;
        EXPECT_EQ(groups.Dump(), c.dump);
    }
}

TEST(ProgmanGroups, AnswerTheGroupListAndDescriptions)
{
    ProgmanGroups groups;
    ASSERT_TRUE(
        groups.Execute("[CreateGroup(\"Main, Tools\")][AddItem(\"C:\\a b.exe\",Alpha,C:\\a.ico,3,1,2,C:\\w)]"
                       "[CreateGroup(Empty)][ShowGroup(Empty,7)]"));

    EXPECT_EQ(groups.GroupList(), std::string("Main, Tools\r\nEmpty\r\n") + '\0');
    std::string reply;
    ASSERT_TRUE(groups.Describe("main, tools", &reply));
    EXPECT_EQ(reply, std::string("\"Main, Tools\",C:\\WINDOWS\\MAINTOOL.GRP,1,1\r\n"
                                 "\"Alpha\",\"C:\\a b.exe\",C:\\w,C:\\a.ico,1,2,3,0,0\r\n") +
                         '\0');
    ASSERT_TRUE(groups.Describe("Empty", &reply));
    EXPECT_EQ(reply, std::string("\"Empty\",C:\\WINDOWS\\EMPTY.GRP,0,7\r\n") + '\0');
    EXPECT_FALSE(groups.Describe("Missing", &reply));
    EXPECT_EQ(ProgmanGroups().GroupList(), std::string(1, '\0'));
}

} // namespace
