#pragma once
// The transfer progress window: a blinking label over a gradient bar, shown above everything
// while a batch of preset reads or writes (or a factory reset) runs, with the window that started
// the transfer disabled meanwhile. It hides itself when the transfer is over; the user cannot
// close it (close box, Enter and Escape do nothing).
// Showing and hiding are ShowTransfer and HideTransfer: wx's Show is another thing.
#include <wx/window.h>
#include <wx/weakref.h>

#include "controls/ControlTimer.h"
#include "controls/TemplateDialog.h"

class CFontStatic;
class CGradientProgressCtrl;

class CDisplayDlg : public CTemplateDialog {
public:
    explicit CDisplayDlg(wxWindow* pOwner);
    ~CDisplayDlg() override;

    // bModalLike: started from the preset manager or the Advanced dialog, which is disabled
    // instead of the owner while it is open. HideTransfer enables the window that was disabled.
    void ShowTransfer(bool bModalLike);
    void HideTransfer();
    void SetFactoryResetMode(int nIgnored = 0);
    bool IsModalLike() const { return m_bModalLike; }
    bool IsFactoryReset() const { return m_bFactoryReset; }

    CGradientProgressCtrl* Bar() const { return m_pBar; }
    CFontStatic* Label() const { return m_pLabel; }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose() override {}

private:
    void OnTimer();
    // The window that started the transfer: the one the caller names when it exists, else the
    // owner.
    wxWindow* Starter() const;

    CGradientProgressCtrl* m_pBar = nullptr;
    CFontStatic* m_pLabel = nullptr;
    wxString m_strLabelCn;
    wxString m_strLabelEn;
    int m_nPhase = 0;
    bool m_bModalLike = false;
    bool m_bFactoryReset = false;
    int m_nPosition = 0;
    wxWindow* m_pOwner;
    wxWeakRef<wxWindow> m_pDisabled;  // the window ShowTransfer disabled, enabled again by HideTransfer
    CControlTimer m_timer;
};

extern CDisplayDlg* g_pDisplayDlg;
// The preset manager while it is open, else none: a modal-like transfer disables it (the
// Advanced dialog, g_pAdvDlg of link/AdvSettings.h, during a factory reset).
extern wxWindow* g_pProgramDlg;
