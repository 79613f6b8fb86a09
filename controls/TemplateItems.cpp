#include "controls/TemplateItems.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "controls/ControlIds.h"
#include "controls/FontStatic.h"
#include "controls/PictureStatic.h"
#include "res/WinStyles.h"

CTemplateItems::CTemplateItems(int nTemplateId) : m_pTemplate(FindDialogTemplate(nTemplateId))
{
    if (m_pTemplate == nullptr)
        throw std::logic_error("no dialog template " + std::to_string(nTemplateId));
}

wxFont CTemplateItems::UseTemplateFont()
{
    const wxFont font = TemplateFont(*m_pTemplate);
    m_units = DialogUnits(font);
    return font;
}

const DlgItem* CTemplateItems::Find(int nId) const
{
    for (const DlgItem& item : m_pTemplate->items)
        if (item.nId == nId)
            return &item;
    return nullptr;
}

wxRect CTemplateItems::ItemRect(int nId) const
{
    const DlgItem* pItem = Find(nId);
    return pItem == nullptr ? wxRect() : m_units.ToPixels(pItem->x, pItem->y, pItem->cx, pItem->cy);
}

void CTemplateItems::CreateRemaining(wxWindow* pParent)
{
    for (const DlgItem& item : m_pTemplate->items)
        if (item.nId == -1 || std::find(m_created.begin(), m_created.end(), item.nId) == m_created.end())
            CreatePlain(pParent, item);
}

void CTemplateItems::CreatePlain(wxWindow* pParent, const DlgItem& item)
{
    const wxRect rc = m_units.ToPixels(item.x, item.y, item.cx, item.cy);
    const wxString strText = wxString::FromUTF8(item.szText);
    const int nWxId = WxId(item.nId);
    wxWindow* pWnd = nullptr;
    switch (item.cls) {
    case DlgClass::Button: {
        auto* pButton = new wxButton(pParent, nWxId, strText, rc.GetPosition(), rc.GetSize());
        if ((item.nStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            pButton->SetDefault();
        pWnd = pButton;
        break;
    }
    case DlgClass::Static:
        if ((item.nStyle & SS_TYPEMASK) == SS_BITMAP) {
            auto* pPicture = new CPictureStatic;
            pPicture->Create(pParent, item.nId, rc, item.nStyle, strText, item.nExStyle);
            pPicture->SetBitmap(item.nImageId);
            pWnd = pPicture;
        } else {
            auto* pStatic = new CTransparentStatic;
            pStatic->Create(pParent, item.nId, rc, item.nStyle, strText, item.nExStyle);
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
        pWnd = new wxTextCtrl(pParent, nWxId, strText, rc.GetPosition(), rc.GetSize(), nStyle);
        break;
    }
    case DlgClass::Progress:
        pWnd = new wxGauge(pParent, nWxId, 100, rc.GetPosition(), rc.GetSize());
        break;
    }
    if (item.nStyle & WS_DISABLED)
        pWnd->Disable();
}
