#include "grid/GridColumnOptions.h"

#include <algorithm>

bool CGridColumnOptions::SetColumnOptions(int nCol, std::vector<std::string> options, int nFixedCols)
{
    if (nCol < 0 || nCol < nFixedCols)
        return false;
    m_options.emplace_back(nCol, std::move(options));
    return true;
}

int CGridColumnOptions::FindColumnOptions(int nCol) const
{
    for (size_t i = 0; i < m_options.size(); ++i)
        if (m_options[i].first == nCol)
            return int(i);
    return -1;
}

const std::vector<std::string>* CGridColumnOptions::OptionsOf(int nCol) const
{
    const int nIndex = FindColumnOptions(nCol);
    return nIndex < 0 ? nullptr : &m_options[size_t(nIndex)].second;
}

bool CGridColumnOptions::Accepts(int nRow, int nCol, const std::string& strText, int nFixedRows) const
{
    const std::vector<std::string>* pOptions = OptionsOf(nCol);
    return nRow < nFixedRows || pOptions == nullptr ||
           std::find(pOptions->begin(), pOptions->end(), strText) != pOptions->end();
}
