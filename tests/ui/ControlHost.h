#pragma once
// A shown frame whose panel records what the controls on it tell their parent: command events
// (the program's WM_COMMAND) and the messages the controls post or send, in order.
#include <wx/frame.h>
#include <wx/panel.h>

#include <utility>
#include <vector>

#include "controls/ControlIds.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "tests/ui/UiTestUtil.h"

struct Note {
    unsigned nMsg;  // WM_COMMAND for a command event
    WPARAM wParam;  // the control id (the mouse key flags of WM_BUTTON_HOVER)
    LPARAM lParam;
    friend bool operator==(const Note&, const Note&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Note& n)
{
    return os << "{0x" << std::hex << n.nMsg << std::dec << ", " << n.wParam << ", " << n.lParam << "}";
}

class CControlHost {
public:
    CControlHost()
    {
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "controls", wxPoint(40, 40), wxSize(420, 320));
        m_pPanel = new wxPanel(m_pFrame, wxID_ANY);
        m_pPanel->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
            m_notes.push_back({WM_COMMAND, static_cast<WPARAM>(CtrlId(event.GetId())), 0});
        });
        for (const unsigned nMsg : {WM_NUMEDIT_KEY, WM_NUMSPIN_DELTA, WM_SLIDER_MOVING, WM_SLIDER_MOVED, WM_BUTTON_HOVER})
            BindMessage(m_pPanel, nMsg, [this, nMsg](WPARAM wParam, LPARAM lParam) {
                m_notes.push_back({nMsg, wParam, lParam});
                return LRESULT(0);
            });
        m_pFrame->Show();
    }
    // The frame goes at once (not at the next idle time), before the test's clock does.
    ~CControlHost()
    {
        delete m_pFrame;
        PumpPendingEvents();
    }
    CControlHost(const CControlHost&) = delete;
    CControlHost& operator=(const CControlHost&) = delete;

    wxPanel* Panel() const { return m_pPanel; }
    // What the controls told the panel since the last call, posted messages delivered first.
    std::vector<Note> Take()
    {
        PumpPendingEvents();
        return std::exchange(m_notes, {});
    }

private:
    wxFrame* m_pFrame;
    wxPanel* m_pPanel;
    std::vector<Note> m_notes;
};

inline void SendMouse(wxWindow* pWnd, wxEventType type, wxPoint pt, bool bLeftDown = false)
{
    wxMouseEvent event(type);
    event.SetPosition(pt);
    event.m_leftDown = bLeftDown;
    event.SetEventObject(pWnd);
    pWnd->GetEventHandler()->ProcessEvent(event);
}

inline void SendWheel(wxWindow* pWnd, int nRotation)
{
    wxMouseEvent event(wxEVT_MOUSEWHEEL);
    event.m_wheelRotation = nRotation;
    event.m_wheelDelta = 120;
    event.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    event.SetEventObject(pWnd);
    pWnd->GetEventHandler()->ProcessEvent(event);
}

// A key pressed in a window: the key-down event and, when it is not consumed, its character.
inline void SendKey(wxWindow* pWnd, int nWxKey, bool bShift = false, bool bCtrl = false, wxChar c = WXK_NONE)
{
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = nWxKey;
    down.m_shiftDown = bShift;
    down.m_controlDown = bCtrl;
    down.SetEventObject(pWnd);
    if (pWnd->GetEventHandler()->ProcessEvent(down) || c == WXK_NONE)
        return;
    wxKeyEvent chr(wxEVT_CHAR);
    chr.m_keyCode = c;
    chr.m_uniChar = c;
    chr.m_shiftDown = bShift;
    chr.SetEventObject(pWnd);
    pWnd->GetEventHandler()->ProcessEvent(chr);
}

// Typing a text: one character event per character.
inline void TypeText(wxWindow* pWnd, const wxString& strText)
{
    for (const wxUniChar c : strText) {
        wxKeyEvent chr(wxEVT_CHAR);
        chr.m_keyCode = c.GetValue() < 128 ? static_cast<int>(c.GetValue()) : WXK_NONE;
        chr.m_uniChar = c;
        chr.SetEventObject(pWnd);
        pWnd->GetEventHandler()->ProcessEvent(chr);
    }
}

inline void SendFocus(wxWindow* pWnd, bool bGain)
{
    wxFocusEvent event(bGain ? wxEVT_SET_FOCUS : wxEVT_KILL_FOCUS);
    event.SetEventObject(pWnd);
    pWnd->GetEventHandler()->ProcessEvent(event);
}
