#include "grid/ComboGridCtrl.h"

bool CComboGridCtrl::SetColumnOptions(int nCol, const std::vector<std::string>& options)
{
    return m_options.SetColumnOptions(nCol, options, GetFixedColumnCount());
}

bool CComboGridCtrl::SetItemOption(int nRow, int nCol, int nOption)
{
    const std::vector<std::string>* pOptions = m_options.OptionsOf(nCol);
    if (pOptions == nullptr || nOption < 0 || nOption >= int(pOptions->size()))
        return false;
    return CGridCtrl::SetItemText(nRow, nCol, (*pOptions)[size_t(nOption)]);
}

bool CComboGridCtrl::SetItemText(int nRow, int nCol, const std::string& strText)
{
    return m_options.Accepts(nRow, nCol, strText, GetFixedRowCount()) && CGridCtrl::SetItemText(nRow, nCol, strText);
}

bool CComboGridCtrl::SetItem(const GridItem& item)
{
    if ((item.mask & ITEM_TEXT) && !m_options.Accepts(item.row, item.col, item.strText, GetFixedRowCount()))
        return false;
    return CGridCtrl::SetItem(item);
}

void CComboGridCtrl::CreateInPlaceEditControl(const Rect& rc, unsigned nStyle, int nId, int nRow, int nCol,
                                              const std::string& strText, int nChar)
{
    const std::vector<std::string>* pOptions = m_options.OptionsOf(nCol);
    if (pOptions == nullptr) {
        CGridCtrl::CreateInPlaceEditControl(rc, nStyle, nId, nRow, nCol, strText, nChar);
        return;
    }
    // The window owns the editor, which goes when the edit ends.
    new CInPlaceList(this, rc, m_nListStyle, nId, nRow, nCol, *pOptions, strText, nChar);
}
