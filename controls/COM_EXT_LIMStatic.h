#pragma once
// The limiter transfer-curve graph of one output: output level against input level from -30 to
// +12 dBu, the diagonal up to the knee at the limiter level and the flat line after it, with a
// round handle on the knee. The advanced settings dialog shows one with its level fields
// attached: dragging the handle sets the output's limiter level and shows it in the fields. The
// dynamics dialog shows eight without fields; those only show the curve. It tells its parent
// nothing.
//
// Set-up: Create, LayoutPlot, SetGraphMode (3), AttachData, (fields) SetDbuControls and
// SetLevelControls, LoadChannel; Redraw after the level changed elsewhere.
#include <wx/cursor.h>
#include <wx/font.h>

#include "controls/DrawnControl.h"
#include "controls/LimCurveModel.h"
#include "model/GdiTypes.h"

class CKTV_Data;
class CKTV_OutData;
class CNumEdit;
class CNumSpin;

class CCOM_EXT_LIMStatic : public CDrawnControl, public CLimCurveModel {
public:
    CCOM_EXT_LIMStatic();

    void LayoutPlot();
    void AttachData(CKTV_Data* pData) { m_pData = pData; }
    // Shows output i: reads its limiter level and its curve colour, and draws.
    void LoadChannel(int i);
    // Reads the level of the shown output again and draws.
    void Redraw();
    // The fields that show the limiter level in dBu; with them attached the handle can be dragged.
    void SetDbuControls(CNumSpin* pSpin, CNumEdit* pEdit);
    // The fields that show it as a level.
    void SetLevelControls(CNumSpin* pSpin, CNumEdit* pEdit);

    // Frame, axis texts, grid, and the curve of the shown output (in mode 3).
    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    void UpdateEditable();
    void OnMouseMove(wxMouseEvent& event);
    void OnLButtonDown(wxMouseEvent& event);
    void OnLButtonUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    CKTV_Data* m_pData = nullptr;
    CKTV_OutData* m_pOut = nullptr;
    wxFont m_font;
    wxCursor m_hCursor;
    Color m_clrCurve{255, 0, 0, 0};
    CNumSpin* m_pDbuSpin = nullptr;
    CNumEdit* m_pDbuEdit = nullptr;
    CNumSpin* m_pLevelSpin = nullptr;
    CNumEdit* m_pLevelEdit = nullptr;
};
