#pragma once
// The toolkit-free half of the combo button and its drop list: where the popup opens, what a
// wheel notch over the button selects, and the item records of the list (plain items and group
// headers, which cannot be chosen).
#include <optional>
#include <string>
#include <vector>

#include "model/GdiTypes.h"

// Screen rectangle of the popup under a button (rcButton, screen coordinates): as wide as
// nPopupWidth, as high as its items up to nHeightLimit (the limit itself when the list is
// empty), overlapping the button's last pixel line; above the button when it would pass the
// bottom of the work area.
Rect DropListRect(const Rect& rcButton, int nPopupWidth, int nItemCount, int nItemHeight, int nHeightLimit,
                  const Rect& rcWorkArea);

// Wheel notches over a combo button add up; a whole step (120) towards the user selects the next
// item, away from the user the previous one, stopping at the ends.
class CComboWheel {
public:
    static constexpr int STEP = 120;
    // The index to select and announce, or none (part of a step, or an empty list).
    std::optional<int> OnWheel(int nDelta, int nCount, int nCurSel);

private:
    int m_nAccum = 0;
};

struct DropListItem {
    bool bHeader = false;  // starts a group; cannot be chosen
    Color clrText{255, 255, 255, 255};
    Color clrHighlightText{255, 255, 255, 255};
};

// The records and texts of the drop list, in list order.
class CDropListItems {
public:
    struct Entry {
        std::string strText;  // UTF-8
        DropListItem item;
    };

    // Appends a plain item; returns its index. bSelectPrev is set when the list box is to select
    // the remembered selection now (as it does when the second item arrives).
    int AddString(const std::string& strText, bool& bSelectPrev);
    int InsertString(int nIndex, const std::string& strText);
    // Appends an item of group nGroup (1 for the first): a group one past the last starts with a
    // header; -1 for a group further on.
    int AddGroupString(int nGroup, const std::string& strText, Color clrText, Color clrHighlightText);
    // Removes an item, or a header with the items of its group; -1 beyond the list, else the
    // number of items left.
    int DeleteString(int nIndex);
    void ResetContent();

    int GetCount() const { return static_cast<int>(m_entries.size()); }
    const Entry* GetAt(int nIndex) const;
    int GetHeaderCount() const { return m_nHeaderCount; }
    int GetPrevSel() const { return m_nPrevSel; }
    void SetPrevSel(int nIndex) { m_nPrevSel = nIndex; }

private:
    std::vector<Entry> m_entries;
    int m_nHeaderCount = 0;
    int m_nPrevSel = 0;
};
