#pragma once
// A hidden window that can answer a message box by itself after one second, as if Enter was
// pressed.
#include <wx/window.h>

#include "controls/ControlTimer.h"

class CMsgBox : public wxWindow {
public:
    CMsgBox();

    // Creates the hidden window once; later calls do nothing.
    void CreateHidden(wxWindow* pParent);
    bool IsCreated() const { return m_bCreated; }
    // Shows the text in a message box that this window answers after 1000 ms.
    void ShowTimedMessage(const wxString& strText);

private:
    void OnTimer();

    wxString m_strText;
    bool m_bCreated = false;
    CControlTimer m_timer;
};
