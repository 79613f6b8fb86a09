#pragma once
// A grid host without a window system: a client area of a chosen size, texts measured at 7
// pixels a character (4 for a space) and 16 high, and a log of what the grid asked of its window.
#include <functional>
#include <optional>
#include <vector>

#include "grid/GridCore.h"
#include "platform/SettingsStore.h"

struct GridNote {
    int nRow;
    int nCol;
    int nCode;
    friend bool operator==(const GridNote&, const GridNote&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const GridNote& n)
{
    return os << "{" << n.nRow << ", " << n.nCol << ", " << n.nCode << "}";
}

inline std::ostream& operator<<(std::ostream& os, const Rect& rc)
{
    return os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

inline std::ostream& operator<<(std::ostream& os, const CGridCellPos& cell)
{
    return os << "(" << cell.row << ", " << cell.col << ")";
}

inline std::ostream& operator<<(std::ostream& os, const CGridCellRange& r)
{
    return os << "(" << r.GetMinRow() << ", " << r.GetMinCol() << ", " << r.GetMaxRow() << ", " << r.GetMaxCol() << ")";
}

class CRecordingGridHost : public IGridHost {
public:
    struct Scroll {
        Rect rcSource;
        int dx;
        int dy;
    };

    bool HasWindow() const override { return bWindow; }
    GridSize GetClientSize() const override { return bWindow ? client : GridSize{}; }
    std::intptr_t NotifyParent(int nRow, int nCol, int nCode) override
    {
        notes.push_back({nRow, nCol, nCode});
        return 0;
    }
    void Invalidate(const Rect* pRect) override { invalidated.push_back(pRect ? std::optional<Rect>(*pRect) : std::nullopt); }
    void ScrollArea(const Rect& rc, int dx, int dy) override { scrolls.push_back({rc, dx, dy}); }
    void ScrollBarsChanged() override { ++nScrollBarUpdates; }
    GridSize MeasureText(const std::string& strText, const GridFont&) override
    {
        int cx = 0;
        for (char ch : strText)
            cx += ch == ' ' ? 4 : 7;
        return {cx, 16};
    }
    GridFontMetrics GetFontMetrics(const GridFont&) override { return metrics; }
    COLORREF GetSysColour(int nIndex) const override { return ColorRef(nIndex, nColourTheme, nColourTheme); }
    bool HasFocus() const override { return bFocus; }
    void TakeFocus() override { bFocus = true; }
    void SetWaitCursor(bool bWait) override { waits.push_back(bWait); }
    void SetTimer(int nId, int nElapse) override { started.push_back({nId, nElapse}); }
    void KillTimer(int nId) override { killed.push_back(nId); }
    void CaptureMouse() override { bCapture = true; }
    void ReleaseMouse() override { bCapture = false; }
    void PostClickToOwner() override { ++nClicks; }
    bool ClipboardHasText() override { return clipboard.has_value(); }
    bool SetClipboardText(const std::string& strText) override
    {
        if (!bClipboardOpens)
            return false;
        clipboard = strText;
        return true;
    }
    std::optional<std::string> GetClipboardText() override { return clipboard; }
    int DoDragDrop(const std::string& strText) override
    {
        dragged.push_back(strText);
        nMouseModeInDrag = pGrid != nullptr ? pGrid->GetMouseMode() : -1;
        return onDrag ? onDrag(strText) : DROPEFFECT_NONE;
    }

    void Clear()
    {
        notes.clear();
        invalidated.clear();
        scrolls.clear();
    }
    bool InvalidatedAll() const
    {
        for (const auto& rc : invalidated)
            if (!rc)
                return true;
        return false;
    }

    bool bWindow = true;
    bool bFocus = true;
    std::optional<std::string> clipboard;  // none: the clipboard offers no text
    bool bClipboardOpens = true;
    // What a drag does: the drop's effect (it may drop on a grid first); none drops nothing.
    std::function<int(const std::string&)> onDrag;
    std::vector<std::string> dragged;
    const CGridCore* pGrid = nullptr;  // the grid whose mouse mode a drag notes
    int nMouseModeInDrag = -1;
    GridSize client{200, 100};
    GridFontMetrics metrics{16, 0, 7};
    std::vector<GridNote> notes;
    std::vector<std::optional<Rect>> invalidated;
    std::vector<Scroll> scrolls;
    std::vector<bool> waits;
    std::vector<GridSize> started;  // timers: id and interval
    std::vector<int> killed;
    bool bCapture = false;
    int nClicks = 0;
    int nScrollBarUpdates = 0;
    int nColourTheme = 0;  // changes every system colour
};

// A grid of nRows x nCols (nFixedRows, nFixedCols of them headings) on a recording host, every
// row 20 and every column 50 pixels.
// The settings the grids of the fixture read (the wheel lines), in memory.
inline CMemorySettingsStore& FixtureSettings()
{
    static CMemorySettingsStore store;
    return store;
}

struct GridFixture {
    GridFixture(int nRows, int nCols, int nFixedRows = 1, int nFixedCols = 1, GridSize client = {200, 100})
        : pOldSettings(SetSettingsStore(&FixtureSettings()))
    {
        host.client = client;
        grid.InitGrid(host, nRows, nCols, nFixedRows, nFixedCols);
        for (int r = 0; r < nRows; ++r)
            grid.SetRowHeight(r, 20);
        for (int c = 0; c < nCols; ++c)
            grid.SetColumnWidth(c, 50);
        grid.UpdateScrollBars();
        host.Clear();
    }
    ~GridFixture() { SetSettingsStore(pOldSettings); }

    ISettingsStore* pOldSettings;
    CRecordingGridHost host;
    CGridCore grid;
};
