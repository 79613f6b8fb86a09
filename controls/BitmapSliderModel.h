#pragma once
// The toolkit-free half of the skinned vertical fader (CBitmapSlider): position, range,
// value-to-pixel mapping, hit test, click, drag, key and wheel stepping.
//
// The fader stores a raw position counted from the top: raw = max - value (value type 10, a band
// gain: max - value + GAIN_POS_EDIT_MIN), so the top end is the maximum value. The raw range
// always starts at 0. The binder sets a bound fader's type and range from its parameter row.
class CBitmapSliderModel {
public:
    void SetRangeMax(int nMax) { m_nMax = nMax; }
    int GetRangeMax() const { return m_nMax; }
    void SetMargin(int nLeft, int nTop, int nRight, int nBottom);
    int GetMarginLeft() const { return m_nMarginLeft; }
    // 1 and 2: the value indexes the frequency grid (from entry 0, from entry 192); 10: a band
    // gain, offset by its lowest edited position.
    void SetType(int nType) { m_nType = nType; }
    int GetType() const { return m_nType; }
    int SetPageSize(int nSize);
    void SetChannelSize(int nWidth, int nHeight);
    void SetThumbSize(int nWidth, int nHeight);

    // Value of the pages (not clamped: a value outside the range is stored as given).
    void SetPos(int nValue);
    int GetPos() const;
    // Moves to the grid point nearest to hz (types 1 and 2), then clamps.
    void SetFreq(double hz);
    double GetFreq() const;
    // Value without the type offset.
    void SetValue(int nValue) { m_nRaw = m_nMax - nValue; }
    int GetValue() const { return m_nMax - m_nRaw; }
    int GetRaw() const { return m_nRaw; }

    // Vertical pixel of the thumb's centre at raw position p, and the raw position of a pixel.
    int PixelOfRaw(int p) const;
    int RawAtPixel(int y) const;
    // Top edge of the thumb as drawn.
    int ThumbTop() const { return PixelOfRaw(m_nRaw) - m_nThumbHeight / 2; }
    // A grab point kept within the thumb's travel.
    int ClampGrab(int y) const;
    // Sets the raw position within 0..max; true when it changed.
    bool ClampedSet(int p);

    // Left button pressed at height y: remembers the grab offset (the thumb is grabbed when the
    // press lies on it), then a press off the thumb steps once toward it. True when it stepped;
    // a step ends the drag the press started.
    bool Press(int y);
    // Pointer moved to y while dragging; true when the position changed.
    bool DragTo(int y);
    // Windows key code; true for the keys that move the fader (the parent is told).
    bool Key(int nVirtualKey);
    // One wheel notch (+120 up, -120 down); other deltas do not move.
    void Wheel(int nDelta);

private:
    int m_nType = 0;
    int m_nMax = 100;
    int m_nRaw = 0;
    int m_nPage = 13;
    int m_nChannelWidth = 0;
    int m_nChannelHeight = 0;
    int m_nThumbWidth = 0;
    int m_nThumbHeight = 0;
    int m_nMarginLeft = 0;
    int m_nMarginRight = 0;
    int m_nMarginTop = 0;
    int m_nMarginBottom = 0;
    int m_nDragOffset = 0;
};
