#pragma once
// One cell of the grid, owned by the grid's cell store.
#include <string>

#include "grid/GridDefs.h"

class CGridCtrlCell {
public:
    virtual ~CGridCtrlCell() = default;

    unsigned nState = 0;      // CELL_ bits
    unsigned nFormat = 0;     // DT_ flags
    std::string strText;      // shown text, UTF-8
    std::string strSavedText; // the text last given through SetItemText
    int iImage = -1;          // index into the grid's image list; -1 none
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    GridFont lfFont;          // every cell carries a full font description
    LPARAM lParam = 0;        // caller value
};
