#include "controls/TemplateForm.h"

#include <wx/dcbuffer.h>

#include "model/StdAfx.h"
#include "res/Skins.h"

CTemplateForm::CTemplateForm(int nTemplateId) : m_items(nTemplateId)
{
}

bool CTemplateForm::Create(wxWindow* pParent)
{
    if (GetHandle() != nullptr)
        return true;
    const wxFont font = m_items.UseTemplateFont();
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Hide();
    if (!wxPanel::Create(pParent, wxID_ANY, wxPoint(0, 0), m_items.ClientSize(), wxBORDER_NONE | wxTAB_TRAVERSAL))
        return false;
    SetFont(font);
    Bind(wxEVT_PAINT, &CTemplateForm::OnPaint, this);
    CreateControls();
    m_items.CreateRemaining(this);
    OnInitDialog();
    return true;
}

wxWindow* CTemplateForm::GetDlgItem(int nId) const
{
    return FindWindow(WxId(nId));
}

void CTemplateForm::SetBackgroundSkins(int nEnglish, int nChinese)
{
    m_nBackEnglish = nEnglish;
    m_nBackChinese = nChinese;
    Refresh();
}

wxVisualAttributes CTemplateForm::GetDefaultAttributes() const
{
    static const wxVisualAttributes attributes = wxPanel::GetClassDefaultAttributes();
    return attributes;
}

const wxBitmap& CTemplateForm::GetSkinBackground() const
{
    return LoadSkin(g_bChinese ? m_nBackChinese : m_nBackEnglish);
}

void CTemplateForm::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    if (const wxBitmap& bmp = GetSkinBackground(); bmp.IsOk()) {
        dc.DrawBitmap(bmp, 0, 0);
    } else {
        dc.SetBackground(wxBrush(GetBackgroundColour()));
        dc.Clear();
    }
}
