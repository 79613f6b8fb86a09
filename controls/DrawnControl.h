#pragma once
// Base of the owner-drawn controls. A control is created like a dialog-template item (control
// id, rectangle, window-style bits of res/WinStyles.h, text), paints only through Draw(wxDC&) (so
// tests can draw it into a memory bitmap), and usually starts Draw with PaintParentBackground.
#include <wx/control.h>
#include <wx/cursor.h>

// The hand cursor of the buttons, links and tabs: one for the whole program.
const wxCursor& HandCursor();

class CDrawnControl : public wxControl {
public:
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, unsigned nStyle = 0, const wxString& strText = {},
                unsigned nExStyle = 0);

    // Paints the whole control onto dc, in client coordinates.
    virtual void Draw(wxDC& dc) = 0;

    int GetCtrlId() const;
    unsigned GetStyle() const { return m_nStyle; }
    unsigned GetExStyle() const { return m_nExStyle; }
    void ModifyStyle(unsigned nRemove, unsigned nAdd) { m_nStyle = (m_nStyle & ~nRemove) | nAdd; }

    // Invalidates the parent's area under the control, background included.
    void InvalidateParentArea();

    // Enabling or disabling repaints the control.
    bool Enable(bool bEnable = true) override;

    // The toolkit's default colours and font of a control, asked of the theme once for all drawn
    // controls: every paint's DC takes them, and GTK would look them up in its styles each time
    // (a level meter following the status replies paints dozens of times a second).
    wxVisualAttributes GetDefaultAttributes() const override;

protected:
    // Runs once the window exists, before it is first shown: reads the style bits.
    virtual void PreSubclassWindow() {}
    // Takes the mouse while the control is on screen (a control off screen cannot hold it).
    void TakeMouse();
    void FreeMouse();
    // Ends a press of the left button: clears bPressed and frees the mouse; true when the control
    // was pressed and the button is released over it (a click).
    bool EndPress(bool& bPressed, const wxPoint& pt);

private:
    void OnPaint(wxPaintEvent& event);

    unsigned m_nStyle = 0;
    unsigned m_nExStyle = 0;
};
