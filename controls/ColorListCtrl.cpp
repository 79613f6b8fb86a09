#include "controls/ColorListCtrl.h"

#include <wx/settings.h>

void CColorListCtrl::SetCellColor(int nItem, int nSubItem, const wxColour& clrText, const wxColour& clrBack)
{
    m_colors.push_back(CellColor{nItem, nSubItem, clrText, clrBack});
    Refresh();
    Update();
}

void CColorListCtrl::SetRowColor(int nItem, const wxColour& clrText, const wxColour& clrBack)
{
    for (int i = 0; i < GetColumnCount(); ++i)
        SetCellColor(nItem, i, clrText, clrBack);
}

void CColorListCtrl::ClearColors()
{
    m_colors.clear();
    Refresh();
    Update();
}

bool CColorListCtrl::DeleteAllItems()
{
    const bool bDone = CReportList::DeleteAllItems();
    ClearColors();
    return bDone;
}

bool CColorListCtrl::DeleteItem(int nItem)
{
    const bool bDone = CReportList::DeleteItem(nItem);
    if (bDone)
        std::erase_if(m_colors, [nItem](const CellColor& entry) { return entry.nItem == nItem; });
    return bDone;
}

void CColorListCtrl::GetCellColours(int nItem, int nSubItem, wxColour& text, wxColour& back) const
{
    text = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
    back = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
    for (const auto& entry : m_colors)
        if (entry.nItem == nItem && entry.nSubItem == nSubItem) {
            text = entry.clrText;
            back = entry.clrBack;
        }
}
