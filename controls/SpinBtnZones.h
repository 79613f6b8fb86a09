#pragma once
// The toolkit-free half of the knob overlay (CSpinBtn): its face is split into a left arrow
// zone, a middle zone and a right arrow zone; holding an arrow zone steps the field.

// Zones, as the overlay keeps its current one.
enum SpinBtnZone { ZONE_IDLE = 0, ZONE_LEFT = 1, ZONE_MIDDLE = 2, ZONE_RIGHT = 3 };

class CSpinBtnZones {
public:
    // Splits a face of this size: each arrow zone is width / 5.5 wide, all of full height.
    void Layout(int nWidth, int nHeight);
    // The zone under a point (middle first); ZONE_IDLE outside the face.
    SpinBtnZone HitTest(int x, int y) const;
    // The step of a zone: -1 left, +1 right, 0 elsewhere.
    static int StepOf(SpinBtnZone zone);

    struct Span { int nLeft, nRight; };  // [nLeft, nRight)
    Span Left() const { return m_left; }
    Span Middle() const { return m_middle; }
    Span Right() const { return m_right; }

private:
    Span m_left{0, 0};
    Span m_middle{0, 0};
    Span m_right{0, 0};
    int m_nHeight = 0;
};
