#include "app/ChildFrm.h"

#include <wx/sizer.h>

#include "app/CaptionView.h"
#include "app/HalvekView.h"

CChildFrame::CChildFrame(wxWindow* pParent, CHalvekDoc& doc, IHidBackend& hid, const CNetOptions& netOptions,
                         const CLinkTimeouts& timeouts)
    : wxPanel(pParent, wxID_ANY, wxPoint(0, 0), wxDefaultSize, wxBORDER_NONE),
      m_pView(new CHalvekView(doc, hid, netOptions, timeouts))
{
    m_pView->Create(this);
    SetClientSize(m_pView->GetSize());
}

CChildFrame::CChildFrame(wxWindow* pParent)
    : wxPanel(pParent, wxID_ANY, wxPoint(0, 0), wxDefaultSize, wxBORDER_NONE), m_pCaptionView(new CCaptionView)
{
    m_pCaptionView->Create(this);
    m_pCaptionView->Show();
    auto* pSizer = new wxBoxSizer(wxVERTICAL);
    pSizer->Add(m_pCaptionView, 1, wxEXPAND);
    SetSizer(pSizer);
}
