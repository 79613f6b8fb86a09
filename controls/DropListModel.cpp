#include "controls/DropListModel.h"

#include <algorithm>

Rect DropListRect(const Rect& rcButton, int nPopupWidth, int nItemCount, int nItemHeight, int nHeightLimit,
                  const Rect& rcWorkArea)
{
    int nHeight = nHeightLimit;
    if (nItemCount > 0 && nItemCount * nItemHeight < nHeight)
        nHeight = nItemCount * nItemHeight;
    Rect rc{rcButton.left, rcButton.bottom - 1, rcButton.left + nPopupWidth, rcButton.bottom + nHeight};
    if (rc.bottom > rcWorkArea.bottom) {
        rc.bottom = rcButton.top;
        rc.top = rcButton.top - nHeight;
    }
    return rc;
}

std::optional<int> CComboWheel::OnWheel(int nDelta, int nCount, int nCurSel)
{
    m_nAccum = std::clamp(m_nAccum + nDelta, -STEP, STEP);
    if (m_nAccum != -STEP && m_nAccum != STEP)
        return std::nullopt;
    const bool bTowardsUser = m_nAccum == -STEP;
    m_nAccum = 0;
    if (nCount <= 0)
        return std::nullopt;  // nothing to select: nothing to announce
    return bTowardsUser ? std::min(nCurSel + 1, nCount - 1) : std::max(nCurSel - 1, 0);
}

int CDropListItems::AddString(const std::string& strText, bool& bSelectPrev)
{
    bSelectPrev = m_entries.size() == 1;
    if (m_entries.empty())
        ++m_nHeaderCount;
    m_entries.push_back(Entry{strText, DropListItem{}});
    return GetCount() - 1;
}

int CDropListItems::InsertString(int nIndex, const std::string& strText)
{
    nIndex = std::clamp(nIndex, 0, GetCount());
    m_entries.insert(m_entries.begin() + nIndex, Entry{strText, DropListItem{}});
    return nIndex;
}

int CDropListItems::AddGroupString(int nGroup, const std::string& strText, Color clrText, Color clrHighlightText)
{
    if (nGroup > m_nHeaderCount + 1)
        return -1;
    Entry entry{strText, DropListItem{false, clrText, clrHighlightText}};
    if (nGroup == m_nHeaderCount + 1) {
        ++m_nHeaderCount;
        entry.item.bHeader = true;
    }
    m_entries.push_back(entry);
    return GetCount() - 1;
}

int CDropListItems::DeleteString(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return -1;
    auto first = m_entries.begin() + nIndex;
    auto last = first + 1;
    if (first->item.bHeader) {
        while (last != m_entries.end() && !last->item.bHeader)
            ++last;
        --m_nHeaderCount;
    }
    m_entries.erase(first, last);
    return GetCount();
}

void CDropListItems::ResetContent()
{
    m_entries.clear();
    m_nHeaderCount = 0;
    m_nPrevSel = 0;
}

const CDropListItems::Entry* CDropListItems::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? &m_entries[static_cast<std::size_t>(nIndex)] : nullptr;
}
