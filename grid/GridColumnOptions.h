#pragma once
// The option lists of a grid's columns: a column given a list offers it in its editor and takes
// no other text below the headings. Toolkit-free; CComboGridCtrl (grid/ComboGridCtrl.h) holds one.
#include <string>
#include <utility>
#include <vector>

class CGridColumnOptions {
public:
    // Gives the column its list (a copy); false for a heading column (below nFixedCols) or a
    // negative one. A second list for a column is kept, but the first one stays in use.
    bool SetColumnOptions(int nCol, std::vector<std::string> options, int nFixedCols);
    // The index of the column's first list, or -1.
    int FindColumnOptions(int nCol) const;
    // The column's list, or nullptr.
    const std::vector<std::string>* OptionsOf(int nCol) const;
    // Whether a cell may take the text: a heading row or a column without a list takes any
    // text, another cell only one of its column's options, exactly as written.
    bool Accepts(int nRow, int nCol, const std::string& strText, int nFixedRows) const;

private:
    std::vector<std::pair<int, std::vector<std::string>>> m_options;
};
