#include "controls/TemplateDialog.h"

#include <wx/button.h>
#include <wx/dcbuffer.h>

#include "controls/GdiConvert.h"
#include "model/StdAfx.h"
#include "res/SharedGdi.h"
#include "res/Skins.h"

CTemplateDialog::CTemplateDialog(int nTemplateId) : m_items(nTemplateId)
{
}

bool CTemplateDialog::Create(wxWindow* pParent)
{
    if (GetHandle() != nullptr)
        return true;
    const wxFont font = m_items.UseTemplateFont();
    const bool bSkinned = m_nBackEnglish != 0 || m_nBackChinese != 0;
    if (bSkinned)
        SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxDialog::Create(pParent, wxID_ANY, wxString::FromUTF8(Template().szCaption), wxDefaultPosition,
                          wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX))
        return false;
    SetFont(font);
    SetBackgroundColour(g_brushDlgBack.IsOk() ? g_brushDlgBack.GetColour() : ToWx(g_clrDlgBack));
    SetClientSize(m_items.ClientSize());
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnClose(); });
    Bind(wxEVT_CHAR_HOOK, &CTemplateDialog::OnCharHook, this);
    if (bSkinned)
        Bind(wxEVT_PAINT, &CTemplateDialog::OnPaint, this);
    CreateControls();
    m_items.CreateRemaining(this);
    OnInitDialog();
    return true;
}

int CTemplateDialog::DoModal(wxWindow* pParent)
{
    if (!Create(pParent))
        return -1;
    CentreOnScreen();
    return ShowModal();
}

void CTemplateDialog::EndDialog(int nResult)
{
    if (IsModal())
        EndModal(nResult);
    else
        Hide();
    SetReturnCode(nResult);
}

// Escape cancels; Enter presses the default button while it shows, else ends as OK.
void CTemplateDialog::OnCharHook(wxKeyEvent& event)
{
    if (PreTranslateKey(event))
        return;
    switch (event.GetKeyCode()) {
    case WXK_ESCAPE: OnCancel(); return;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        if (auto* pButton = dynamic_cast<wxButton*>(GetDefaultItem()); pButton && pButton->IsShown() && pButton->IsEnabled()) {
            wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
            click.SetEventObject(pButton);
            pButton->ProcessWindowEvent(click);
        } else {
            OnOK();
        }
        return;
    default: event.Skip();
    }
}

wxWindow* CTemplateDialog::GetDlgItem(int nId) const
{
    return FindWindow(WxId(nId));
}

void CTemplateDialog::SetBackgroundSkins(int nEnglish, int nChinese)
{
    m_nBackEnglish = nEnglish;
    m_nBackChinese = nChinese;
}

const wxBitmap& CTemplateDialog::GetSkinBackground() const
{
    const int nId = g_bChinese ? m_nBackChinese : m_nBackEnglish;
    return nId != 0 ? LoadSkin(nId) : wxNullBitmap;
}

void CTemplateDialog::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    if (const wxBitmap& bmp = GetSkinBackground(); bmp.IsOk())
        dc.DrawBitmap(bmp, 0, 0);
}
