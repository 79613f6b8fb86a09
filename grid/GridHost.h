#pragma once
// What the grid's rules need of the window they run in. The wx window (CGridCtrl) implements it;
// tests use a recording fake. Until a host is attached, the grid runs on a host without a window:
// nothing is painted, measured or told.
#include <cstdint>
#include <optional>
#include <string>

#include "grid/GridDefs.h"

class IGridHost {
public:
    virtual ~IGridHost() = default;

    // Whether the window exists (painting and scroll bars wait for it).
    virtual bool HasWindow() const = 0;
    virtual GridSize GetClientSize() const = 0;
    // Sends the owner WM_NOTIFY with a GridNotify for the cell; the owner's reply, 0 without one.
    virtual std::intptr_t NotifyParent(int nRow, int nCol, int nCode) = 0;
    // Marks a rectangle of the client area for repainting (right and bottom outside); nullptr
    // marks the whole window.
    virtual void Invalidate(const Rect* pRect) = 0;
    // Moves what is painted in rcSource by (dx, dy); the grid marks the uncovered strip itself.
    virtual void ScrollArea(const Rect& rcSource, int dx, int dy) = 0;
    // The scroll state changed: the window's scroll bars show it.
    virtual void ScrollBarsChanged() = 0;
    // The size of a text drawn in a font, and the font's metrics.
    virtual GridSize MeasureText(const std::string& strText, const GridFont& font) = 0;
    virtual GridFontMetrics GetFontMetrics(const GridFont& font) = 0;
    // A system colour by its index (COLOR_WINDOW ...).
    virtual COLORREF GetSysColour(int nIndex) const = 0;
    // Keyboard focus: whether the grid has it, and taking it (which ends an in-place edit).
    virtual bool HasFocus() const = 0;
    virtual void TakeFocus() = 0;
    virtual void SetWaitCursor(bool bWait) = 0;
    // Starts (or restarts) the timer of that id, ticking every nElapse milliseconds.
    virtual void SetTimer(int nId, int nElapse) = 0;
    virtual void KillTimer(int nId) = 0;
    // The mouse: held by the grid while a button gesture runs, and given back.
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    // Tells the owner, after the event in hand, that the grid was clicked (a command with the
    // grid's control id).
    virtual void PostClickToOwner() = 0;
    // Whether the clipboard offers text.
    virtual bool ClipboardHasText() = 0;
    // Puts UTF-8 text on the clipboard; false when the clipboard cannot be had.
    virtual bool SetClipboardText(const std::string& strText) = 0;
    // The clipboard's text, none when it offers none.
    virtual std::optional<std::string> GetClipboardText() = 0;
    // Drags the text from the grid with copy and move allowed until it is dropped or given up
    // (the drag holds the mouse meanwhile); the DROPEFFECT_ of the drop.
    virtual int DoDragDrop(const std::string& strText) = 0;
};
