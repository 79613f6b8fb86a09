#pragma once
// A report list whose cells can each have a text and a background colour. Colours are kept as a
// table of entries appended in order; for each cell the last entry naming it wins. The table is
// keyed by item index, so deleting an item leaves the entries of later items on their indices.
#include <vector>

#include "controls/ReportList.h"

struct CellColor {
    int nItem = -1;
    int nSubItem = -1;
    wxColour clrText;
    wxColour clrBack;
};

class CColorListCtrl : public CReportList {
public:
    void SetCellColor(int nItem, int nSubItem, const wxColour& clrText, const wxColour& clrBack);
    // One entry for every column the header has now.
    void SetRowColor(int nItem, const wxColour& clrText, const wxColour& clrBack);
    void ClearColors();
    bool DeleteAllItems() override;
    bool DeleteItem(int nItem) override;

protected:
    void GetCellColours(int nItem, int nSubItem, wxColour& text, wxColour& back) const override;

private:
    std::vector<CellColor> m_colors;
};
