// The modal wizard run: pages made once, Next and Back with their three answers, data exchange
// after the page's own Next or Back, and what DoModal returns. Each run drives itself: every
// time a page becomes current (or refuses to be left) the next button of a script is posted.
#include "framework/PropertySheet.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

enum Press { Back = PSBTN_BACK, Next = PSBTN_NEXT, Finish = PSBTN_FINISH, Cancel = PSBTN_CANCEL };

struct Run {
    std::deque<Press> presses;
    std::vector<std::string> journal;
    HWND sheet = nullptr;

    void PressNext()
    {
        if (presses.empty())
            return;
        PostMessageA(sheet, PSM_PRESSBUTTON, presses.front(), 0);
        presses.pop_front();
    }
};

class ScriptedPage : public CPropertyPage {
public:
    ScriptedPage(UINT id, const char* name, Run& run) : CPropertyPage(id), name(name), run(run) {}

    BOOL OnInitDialog() override
    {
        Note("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override
    {
        Note("active");
        run.sheet = GetParent(m_hWnd);
        m_pSheet->SetWizardButtons(buttons);
        run.PressNext();
        return CPropertyPage::OnSetActive();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (pDX->m_bSaveAndValidate)
            Note("save");
    }
    LRESULT OnWizardNext() override { return Answer("next", nextAnswers); }
    LRESULT OnWizardBack() override { return Answer("back", backAnswers); }
    BOOL OnWizardFinish() override
    {
        Note("finish");
        BOOL answer = finishAnswers.empty() ? TRUE : finishAnswers.front();
        if (!finishAnswers.empty())
            finishAnswers.pop_front();
        if (!answer)
            run.PressNext();
        return answer;
    }
    BOOL OnQueryCancel() override
    {
        Note("cancel");
        return TRUE;
    }

    DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT;
    std::deque<LRESULT> nextAnswers, backAnswers;
    std::deque<BOOL> finishAnswers;

private:
    void Note(const char* what) { run.journal.push_back(std::string(what) + " " + name); }
    LRESULT Answer(const char* what, std::deque<LRESULT>& answers)
    {
        Note(what);
        LRESULT answer = answers.empty() ? 0 : answers.front();
        if (!answers.empty())
            answers.pop_front();
        if (answer == -1)
            run.PressNext(); // the page stays: no activation will press on
        return answer;
    }

    std::string name;
    Run& run;
};

struct Wizard {
    Run run;
    ScriptedPage a{IDD_WELCOME, "A", run};
    ScriptedPage b{IDD_INSTALLTYPE, "B", run};
    ScriptedPage c{IDD_FINISH, "C", run};
    CPropertySheet sheet{"Scripted"};

    Wizard()
    {
        c.buttons = PSWIZB_BACK | PSWIZB_FINISH;
        sheet.AddPage(&a);
        sheet.AddPage(&b);
        sheet.AddPage(&c);
        sheet.SetWizardMode();
    }
    INT_PTR Go(std::deque<Press> presses)
    {
        run.presses = std::move(presses);
        return sheet.DoModal();
    }
};

using Journal = std::vector<std::string>;

TEST(WizardSheet, NextAndBackExchangeAfterThePagesOwnOperation)
{
    Wizard w;
    EXPECT_EQ(w.Go({Next, Back, Next, Next, Finish}), ID_WIZFINISH);
    // clang-format off
    EXPECT_EQ(w.run.journal, (Journal{
        "init A", "active A",
        "next A", "save A", "init B", "active B",
        "back B", "save B", "active A",              // A is not made again
        "next A", "save A", "active B",
        "next B", "save B", "init C", "active C",
        "finish C",                                   // the last page is left without an exchange
    }));
    // clang-format on
    EXPECT_EQ(w.sheet.m_hWnd, nullptr);
    EXPECT_EQ(w.a.m_hWnd, nullptr) << "the pages' windows end with the sheet";
}

TEST(WizardSheet, AnswersChooseThePageOrKeepIt)
{
    // clang-format off
    struct Case {
        const char* what;
        std::deque<LRESULT> aNext, cBack;
        std::deque<BOOL> cFinish;
        std::deque<Press> presses;
        INT_PTR result;
        Journal journal;
    } cases[] = {
        {"Next jumps by template id, Back too", {IDD_FINISH}, {IDD_WELCOME}, {},
         {Next, Back, Cancel}, IDCANCEL,
         {"init A", "active A", "next A", "save A", "init C", "active C", "back C", "save C", "active A",
          "cancel A"}},
        {"-1 keeps the page and skips its exchange", {-1, 0}, {}, {},
         {Next, Next, Cancel}, IDCANCEL,
         {"init A", "active A", "next A", "next A", "save A", "init B", "active B", "cancel B"}},
        {"a refused Finish keeps the sheet open", {IDD_FINISH}, {}, {FALSE, TRUE},
         {Next, Finish, Finish}, ID_WIZFINISH,
         {"init A", "active A", "next A", "save A", "init C", "active C", "finish C", "finish C"}},
        {"Cancel on the first page", {}, {}, {}, {Cancel}, IDCANCEL, {"init A", "active A", "cancel A"}},
    };
    // clang-format on
    for (auto& c : cases) {
        Wizard w;
        w.a.nextAnswers = c.aNext;
        w.c.backAnswers = c.cBack;
        w.c.finishAnswers = c.cFinish;
        EXPECT_EQ(w.Go(c.presses), c.result) << c.what;
        EXPECT_EQ(w.run.journal, c.journal) << c.what;
    }
}

TEST(WizardSheet, ASecondRunMakesThePagesAgain)
{
    Wizard w;
    EXPECT_EQ(w.Go({Cancel}), IDCANCEL);
    w.run.journal.clear();
    EXPECT_EQ(w.Go({Next, Next, Finish}), ID_WIZFINISH);
    EXPECT_EQ(w.run.journal.front(), "init A");
}

// A handler that throws must not unwind through the system's code.
class ThrowingPage : public CPropertyPage {
public:
    ThrowingPage() : CPropertyPage(IDD_WELCOME) {}
    BOOL OnSetActive() override
    {
        if (!thrown) {
            thrown = true;
            ::PostMessageA(GetParent(m_hWnd), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            throw std::runtime_error("from a handler");
        }
        return TRUE;
    }
    bool thrown = false;
};

TEST(WizardSheet, AnExceptionStaysInsideTheHandler)
{
    ThrowingPage page;
    CPropertySheet sheet("Throwing");
    sheet.AddPage(&page);
    sheet.SetWizardMode();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(page.thrown);
}

TEST(WizardSheet, APageWithoutTemplateIsNotShown)
{
    CPropertyPage missing(999);
    CPropertySheet sheet("Missing");
    sheet.AddPage(&missing);
    sheet.SetWizardMode();
    EXPECT_NE(sheet.DoModal(), ID_WIZFINISH);
}

} // namespace
