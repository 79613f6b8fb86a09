#pragma once
// A hidden frame with a panel that hosts the controls under test, records the command events and
// window messages the controls send it, and drives controls with synthetic wx events.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <vector>

#include "controls/ControlIds.h"
#include "controls/WndMessages.h"
#include "tests/ui/TestSkins.h"
#include "tests/ui/UiTestUtil.h"

struct RecordedMessage {
    unsigned nMsg;
    WPARAM wParam;
    LPARAM lParam;
};

class ControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterTestSkins();
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "controls");
        m_pPanel = new wxPanel(m_pFrame, wxID_ANY, wxPoint(0, 0), wxSize(600, 400));
        m_pPanel->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) { m_clicks.push_back(CtrlId(event.GetId())); });
    }
    void TearDown() override
    {
        delete m_pFrame;
        PumpPendingEvents();
    }

    template <class T>
    T* Make(int nId, const wxRect& rc, const wxString& strText = {}, unsigned nStyle = 0, unsigned nExStyle = 0)
    {
        auto* pCtrl = new T;
        pCtrl->Create(m_pPanel, nId, rc, nStyle, strText, nExStyle);
        return pCtrl;
    }

    // Records every message of these numbers that reaches the panel.
    void Record(std::initializer_list<unsigned> numbers)
    {
        for (unsigned nMsg : numbers)
            BindMessage(m_pPanel, nMsg, [this, nMsg](WPARAM wParam, LPARAM lParam) {
                m_messages.push_back({nMsg, wParam, lParam});
                return LRESULT(0);
            });
    }

    static void Mouse(wxWindow* pCtrl, wxEventType type, wxPoint pt, bool bLeftDown = false)
    {
        wxMouseEvent event(type);
        event.SetPosition(pt);
        event.SetLeftDown(bLeftDown);
        event.SetEventObject(pCtrl);
        pCtrl->GetEventHandler()->ProcessEvent(event);
    }
    static void Key(wxWindow* pCtrl, wxEventType type, int nKey)
    {
        wxKeyEvent event(type);
        event.m_keyCode = nKey;
        event.SetEventObject(pCtrl);
        pCtrl->GetEventHandler()->ProcessEvent(event);
    }

    wxFrame* m_pFrame = nullptr;
    wxPanel* m_pPanel = nullptr;
    std::vector<int> m_clicks;
    std::vector<RecordedMessage> m_messages;
};
