#pragma once
// The grid's window (window name "GridCtrl"): the wx side of CGridCore. It mirrors the grid's
// scroll state into its scroll bars, paints only the cells in the update region through an
// off-screen bitmap (unless double buffering is switched off), and hands keys, scroll requests
// and the wheel to the rules, with the keys translated once to the system's key codes. The owner
// hears from the grid through WM_NOTIFY (controls/WndMessages.h), sent with the grid's control id
// in wParam and a GridNotify in lParam, valid during the call. UI thread only.
#include <wx/bitmap.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <functional>
#include <memory>
#include <vector>

#include "grid/GridCore.h"
#include "grid/GridPrintLayout.h"
#include "grid/PrinterJob.h"
#include "grid/TitleTip.h"

class CGridCtrl : public CGridCore, public wxWindow {
public:
    explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    // Makes the window; every row and column then takes the default size of the grid's font.
    bool Create(const wxRect& rc, wxWindow* pParent, int nCtrlId, long nStyle = wxBORDER_SIMPLE);
    // A dialog template's item (its style bits and text are the system's and not used).
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, unsigned, const wxString&, unsigned)
    {
        return Create(rc, pParent, nCtrlId);
    }
    int GetCtrlId() const;

    // The grid's font: every cell takes its description, the margin and default sizes follow it.
    bool SetFont(const wxFont& font) override;

    // The one-line in-place editor over the cell (grid/InPlaceEdit.h); its end comes back as
    // WM_NOTIFY from control IDC_INPLACE_EDIT and goes to OnInPlaceEditEnd.
    void CreateInPlaceEditControl(const Rect& rc, unsigned nStyle, int nId, int nRow, int nCol,
                                  const std::string& strText, int nChar) override;

    // Paints what lies in the dc's clipping box (all of the client area without one).
    virtual void OnDraw(wxDC& dc);
    // Paint one cell in its inclusive rectangle; false while drawing is off or without a cell.
    virtual bool DrawFixedCell(wxDC& dc, int nRow, int nCol, const Rect& rc, bool bErase = false);
    virtual bool DrawCell(wxDC& dc, int nRow, int nCol, const Rect& rc, bool bErase = false);
    // The right-button menu of the stored presets: commands 714 (load), 713 (save as) and 715
    // (delete, whose text the one who opens the menu sets), in the language of the moment the
    // grid was made. The commands go to the grid's parent.
    wxMenu& GetPresetMenu() { return m_menuPreset; }
    // The right button down at pt (client coordinates): the row under the pointer is selected
    // (or the focus cell kept), GetMenuCell() notes the cell, and the menu opens at the pointer
    // with the grid's parent as its owner, command 715 reading "Delete Machine Preset(&D)" in
    // the current language. Nothing on heading row 0 or outside the cells.
    void ShowPresetMenu(const wxPoint& pt, GridKeyState keys = {});
    // Opens a menu for the owner at a point of the owner's client area; tests replace it (an
    // empty handler: the window system's pop-up menu).
    using PopupHandler = std::function<void(wxMenu& menu, wxWindow& owner, const wxPoint& ptOwner)>;
    void SetPopupHandler(PopupHandler handler) { m_fnPopup = std::move(handler); }
    // The tip showing a cut-off text (none while title tips were off when the window was made).
    CTitleTip* GetTitleTip() const { return m_pTitleTip; }

    // The picture of the focus cell that a drag carries, hot spot at its far corner; a null
    // bitmap without a focus cell shown.
    wxBitmap CreateDragImage(wxPoint* pHotSpot);

    // --- Printing (grid/GridCtrlPrint.cpp): the grid's rows page by page below a header and the
    // headings, above a footer with the page number, on the printer's paper. Print runs the job
    // through the print dialog (grid/PrinterJob.h); a grid without rows below its headings prints
    // nothing. The steps are the job's, in order: begin, each page, end; a page prints its header,
    // headings and footer through the three below, in the rectangle info.m_rectDraw gives.
    void Print();
    virtual void OnBeginPrinting(wxDC& dc, CPrintInfo& info);
    virtual void OnPrint(wxDC& dc, CPrintInfo& info);
    virtual void OnEndPrinting(wxDC& dc, CPrintInfo& info);
    virtual void PrintColumnHeadings(wxDC& dc, CPrintInfo& info);
    virtual void PrintHeader(wxDC& dc, CPrintInfo& info);
    virtual void PrintFooter(wxDC& dc, CPrintInfo& info);

private:
    class CWindowHost;
    friend class CWindowHost;

    void OnPaint(wxPaintEvent& event);
    void OnSizeEvent(wxSizeEvent& event);
    void OnScrollEvent(wxScrollWinEvent& event);
    void OnKeyDownEvent(wxKeyEvent& event);
    void OnCharEvent(wxKeyEvent& event);
    void OnWheelEvent(wxMouseEvent& event);
    void OnMouseEvent(wxMouseEvent& event);
    void ShowTitleTip(Point pt);
    void DrawText(wxDC& dc, const GridCellLook& look, wxRect rc);
    void PrintGridLines(wxDC& dc, const wxRect& rcCell, int nRow, int nCol, bool bFirstRow);
    const wxFont& FontFor(const GridFont& font);

    std::unique_ptr<CWindowHost> m_pHost;
    wxMenu m_menuPreset;
    PopupHandler m_fnPopup;
    CTitleTip* m_pTitleTip = nullptr;  // a child window of the grid
    CGridCellPos m_cellTitleTip;
    wxTimer m_autoScroll;
    GridFont m_givenDesc;  // the font last given through SetFont, and its description
    wxFont m_givenFont;
    GridFont m_lastFont;  // the last other description drawn or measured, and its font
    wxFont m_font;
    // The dc OnDraw paints, with the font and text colour last set on it.
    const wxDC* m_pTextDc = nullptr;
    GridFont m_textFont;
    bool m_bTextFontSet = false;
    wxColour m_textColour;
    // The job being printed: its font, its page and the first row of each page.
    wxFont m_printerFont;
    GridPrintMetrics m_print;
    std::vector<int> m_printFirstRows;
};
