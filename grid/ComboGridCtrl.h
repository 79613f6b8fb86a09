#pragma once
// The grid with option-list columns: a column given a list of options edits in a combo box
// offering them (grid/InPlaceList.h), and its cells below the headings take no text but one of
// the options, exactly as written; any other column edits and stores as on a plain grid.
#include <string>
#include <vector>

#include "grid/GridColumnOptions.h"
#include "grid/GridCtrl.h"
#include "grid/InPlaceList.h"

class CComboGridCtrl : public CGridCtrl {
public:
    CComboGridCtrl() : CGridCtrl(0, 0, 0, 0) {}

    // Gives a column its options (a copy); false for a heading column. A column keeps its first
    // list.
    bool SetColumnOptions(int nCol, const std::vector<std::string>& options);
    // The index of the column's list, or -1.
    int FindColumnOptions(int nCol) const { return m_options.FindColumnOptions(nCol); }
    // Sets a cell's text to one of its column's options; false without a list or such an option.
    bool SetItemOption(int nRow, int nCol, int nOption);
    // The combo-box style of the list editors (CBS_DROPDOWN at first).
    void SetListStyle(unsigned nStyle) { m_nListStyle = nStyle; }
    unsigned GetListStyle() const { return m_nListStyle; }

    // A text outside the column's options is refused (false, the cell unchanged).
    bool SetItemText(int nRow, int nCol, const std::string& strText) override;
    bool SetItem(const GridItem& item) override;
    void CreateInPlaceEditControl(const Rect& rc, unsigned nStyle, int nId, int nRow, int nCol,
                                  const std::string& strText, int nChar) override;

private:
    CGridColumnOptions m_options;
    unsigned m_nListStyle = CBS_DROPDOWN;
};
