#pragma once
// Answering a modal dialog as a person would, from inside its modal loop: a button, Enter,
// Escape or the close box.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>

#include <functional>

#include "controls/ControlIds.h"

enum class Answer { Button1, Button2, Enter, Escape, CloseBox };

inline void Press(wxDialog& dlg, int nCtrlId)
{
    wxWindow* pButton = dlg.FindWindow(WxId(nCtrlId));
    ASSERT_NE(pButton, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
    click.SetEventObject(pButton);
    pButton->ProcessWindowEvent(click);
}

inline void SendKey(wxDialog& dlg, int nKey)
{
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = nKey;
    key.SetEventObject(&dlg);
    dlg.ProcessWindowEvent(key);
}

inline void Give(wxDialog& dlg, Answer answer)
{
    switch (answer) {
    case Answer::Button1: Press(dlg, 1); break;
    case Answer::Button2: Press(dlg, 2); break;
    case Answer::Enter: SendKey(dlg, WXK_RETURN); break;
    case Answer::Escape: SendKey(dlg, WXK_ESCAPE); break;
    case Answer::CloseBox: dlg.Close(); break;
    }
}

// Runs the dialog modally; once it shows, act runs inside its modal loop (checks, then an answer).
template <class Dialog>
int RunModal(Dialog& dlg, std::function<void(Dialog&)> act)
{
    wxTheApp->CallAfter([&dlg, act] { act(dlg); });
    return dlg.DoModal();
}

inline wxString Label(wxDialog& dlg, int nId)
{
    return dlg.FindWindow(WxId(nId))->GetLabel();
}
