// A page of a property sheet, made from its dialog template when it first becomes current. Its
// overridables answer as MFC's do; the sheet's notifications and their raw meanings meet them in
// one place, OnSheetNotify.
#pragma once

#include "Dialog.h"

#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}

    // TRUE: the page may become current. Called each time it does.
    virtual BOOL OnSetActive();
    // TRUE: the page may be left. Reads the controls back into the fields.
    virtual BOOL OnKillActive();
    // 0: the following (preceding) page; -1: stay; a template id: the page made from it.
    virtual LRESULT OnWizardNext();
    virtual LRESULT OnWizardBack();
    // TRUE: Finish may end the sheet.
    virtual BOOL OnWizardFinish();
    // TRUE: Cancel may end the sheet.
    virtual BOOL OnQueryCancel();
    // The sheet was cancelled.
    virtual void OnReset();

    // The answer the sheet expects for one of its PSN_ notifications, from the overridable that
    // stands for it; false for a code that is not handled here. The sheet reads 0 as "go on"
    // where MFC's overridables say TRUE, and the page is left by Next or Back only after its own
    // Next or Back operation (PSN_WIZNEXT comes before PSN_KILLACTIVE).
    bool OnSheetNotify(UINT code, LRESULT* result);

    // The page's sheet; set when the page is added.
    CPropertySheet* m_pSheet = nullptr;

    // The page for PropertySheetA; the sheet destroys it.
    HPROPSHEETPAGE CreatePage();

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Takes the object out of the page description at WM_INITDIALOG, then as DialogProc.
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
