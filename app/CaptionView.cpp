#include "app/CaptionView.h"

#include <wx/app.h>
#include <wx/dcclient.h>

#include "app/MainFrm.h"
#include "controls/xSkinButton.h"

CCaptionView::CCaptionView() : CTemplateForm(IDD_CAPTION_VIEW)
{
    Bind(wxEVT_PAINT, &CCaptionView::OnPaint, this);
    Bind(wxEVT_BUTTON, [](wxCommandEvent&) { SendToMainWindow(CMainFrame::ID_VIEW_MODE1); }, WxId(IDC_VIEW_MODE1));
    Bind(wxEVT_BUTTON, [](wxCommandEvent&) { SendToMainWindow(CMainFrame::ID_VIEW_MODE2); }, WxId(IDC_VIEW_MODE2));
}

void CCaptionView::CreateControls()
{
    m_btnLeft = CreateItem<CxSkinButton>(IDC_VIEW_MODE2);
    m_btnRight = CreateItem<CxSkinButton>(IDC_VIEW_MODE1);
}

void CCaptionView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (m_bitmap.IsOk())
        dc.DrawBitmap(m_bitmap, 0, 0);
}

// The command closes this view: it is queued, so that it runs after the button's handler.
void CCaptionView::SendToMainWindow(int nCommand)
{
    if (wxWindow* pMain = wxTheApp->GetTopWindow())
        wxQueueEvent(pMain, new wxCommandEvent(wxEVT_MENU, WxId(nCommand)));
}
