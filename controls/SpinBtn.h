#pragma once
// The knob overlay of a read-only numeric field: a skinned face over the field with a left
// arrow zone, a middle zone and a right arrow zone. While its field has the focus the overlay
// is active, and holding the left or right zone steps the field's spin down or up every 100 ms,
// starting once the pointer rests (1 ms after it moved, 1000 ms after the press). A single
// short click steps nothing; a double click steps once.
#include "controls/ControlTimer.h"
#include "controls/DrawnControl.h"
#include "controls/SpinBtnZones.h"

class CNumSpin;

class CSpinBtn : public CDrawnControl {
public:
    CSpinBtn();
    ~CSpinBtn() override;

    // Faces (skin ids) of the idle, left-hot, active and right-hot looks; the overlay takes the
    // idle face's size and splits it into its zones.
    void SetBitmaps(int nIdle, int nLeftHot, int nActive, int nRightHot);
    void SetDisabledBitmap(int nId) { m_nDisabled = nId; }
    // The spin its arrow zones step (CNumSpin::Step).
    void SetSpin(int nSpinId, CNumSpin* pSpin);
    // Active while its field has the focus: the middle zone; inactive: idle.
    void SetActive(bool bActive);

    bool IsActive() const { return m_bActive; }
    SpinBtnZone GetZone() const { return m_zone; }

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    void OnMouseMove(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnMouseLeave(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    // The pointer has rested: while the button is held the repeat starts (again).
    void OnHover();
    void StepOnce();
    int FaceOfZone() const;

    int m_nIdle = 0;
    int m_nLeftHot = 0;
    int m_nActive = 0;
    int m_nRightHot = 0;
    int m_nDisabled = 0;
    bool m_bActive = false;
    bool m_bHeld = false;
    CSpinBtnZones m_zones;
    SpinBtnZone m_zone = ZONE_IDLE;
    CNumSpin* m_pSpin = nullptr;
    CControlTimer m_repeat;
    CControlTimer m_hover;
};
