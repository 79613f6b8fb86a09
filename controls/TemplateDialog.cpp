#include "controls/TemplateDialog.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <stdexcept>

#include "controls/FontStatic.h"
#include "res/SharedGdi.h"
#include "res/Skins.h"
#include "res/WinStyles.h"

CTemplateDialog::CTemplateDialog(int nTemplateId) : m_pTemplate(FindDialogTemplate(nTemplateId))
{
    if (m_pTemplate == nullptr)
        throw std::logic_error("no dialog template " + std::to_string(nTemplateId));
}

bool CTemplateDialog::Create(wxWindow* pParent)
{
    if (GetHandle() != nullptr)
        return true;
    const wxFont font = TemplateFont(*m_pTemplate);
    m_units = DialogUnits(font);
    if (!wxDialog::Create(pParent, wxID_ANY, wxString::FromUTF8(m_pTemplate->szCaption), wxDefaultPosition,
                          wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX))
        return false;
    SetFont(font);
    SetBackgroundColour(g_brushDlgBack.IsOk() ? g_brushDlgBack.GetColour() : wxColour(227, 228, 238));
    SetClientSize(m_units.ToPixels(m_pTemplate->cx, m_pTemplate->cy));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnClose(); });
    Bind(wxEVT_CHAR_HOOK, &CTemplateDialog::OnCharHook, this);
    CreateControls();
    for (const DlgItem& item : m_pTemplate->items)
        if (std::find(m_created.begin(), m_created.end(), item.nId) == m_created.end() || item.nId == -1)
            CreatePlainItem(item);
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

const DlgItem* CTemplateDialog::FindItem(int nId) const
{
    for (const DlgItem& item : m_pTemplate->items)
        if (item.nId == nId)
            return &item;
    return nullptr;
}

void CTemplateDialog::MarkCreated(int nId)
{
    m_created.push_back(nId);
}

wxWindow* CTemplateDialog::GetDlgItem(int nId) const
{
    return FindWindow(WxId(nId));
}

wxRect CTemplateDialog::ItemRect(int nId) const
{
    const DlgItem* pItem = FindItem(nId);
    return pItem == nullptr ? wxRect() : m_units.ToPixels(pItem->x, pItem->y, pItem->cx, pItem->cy);
}

void CTemplateDialog::CreatePlainItem(const DlgItem& item)
{
    const wxRect rc = m_units.ToPixels(item.x, item.y, item.cx, item.cy);
    const wxString strText = wxString::FromUTF8(item.szText);
    const int nWxId = WxId(item.nId);
    wxWindow* pWnd = nullptr;
    switch (item.cls) {
    case DlgClass::Button: {
        auto* pButton = new wxButton(this, nWxId, strText, rc.GetPosition(), rc.GetSize());
        if ((item.nStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            pButton->SetDefault();
        pWnd = pButton;
        break;
    }
    case DlgClass::Static:
        if ((item.nStyle & SS_TYPEMASK) == SS_BITMAP) {
            const wxBitmap& bmp = LoadSkin(item.nImageId);
            pWnd = new wxStaticBitmap(this, nWxId, bmp, rc.GetPosition(), bmp.IsOk() ? bmp.GetSize() : rc.GetSize());
        } else {
            auto* pStatic = new CTransparentStatic;
            pStatic->Create(this, item.nId, rc, item.nStyle, strText, item.nExStyle);
            pWnd = pStatic;
        }
        break;
    case DlgClass::Edit: {
        long nStyle = 0;
        if (item.nStyle & ES_MULTILINE)
            nStyle |= wxTE_MULTILINE;
        if (item.nStyle & ES_READONLY)
            nStyle |= wxTE_READONLY;
        if (item.nStyle & WS_HSCROLL)
            nStyle |= wxHSCROLL | wxTE_DONTWRAP;
        pWnd = new wxTextCtrl(this, nWxId, strText, rc.GetPosition(), rc.GetSize(), nStyle);
        break;
    }
    case DlgClass::Progress:
        pWnd = new wxGauge(this, nWxId, 100, rc.GetPosition(), rc.GetSize());
        break;
    }
    if (item.nStyle & WS_DISABLED)
        pWnd->Disable();
}
