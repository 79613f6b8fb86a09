#pragma once
// A strip of twelve lamps: nine bar lamps lit from the left by count and three single lamps
// switched by bits. A level that changes no lamp costs no drawing, and one that changes some has
// only those lamps drawn again, at once and by the strip alone (no parent window paints).
#include <array>

#include "controls/DrawnControl.h"

class CSLamp : public CDrawnControl {
public:
    static constexpr int kLamps = 12;

    CSLamp();

    bool Layout() override;
    // Bits 0x10, 0x20, 0x40 switch lamps 11, 10, 9; the low nibble (0-9) lights that many bar
    // lamps; 10-15 leave the bar as it is.
    void SetLevel(int nCode);
    void Clear();
    bool IsLit(int nLamp) const { return m_current[nLamp] != 0; }

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;
    // Draws the lamps that changed since they were last shown again.
    virtual void DrawNow();

private:
    wxRect m_rcLamp;
    wxRect m_rcClient;
    int m_nLampWidth = 0;
    int m_nLampHeight = 0;
    std::array<unsigned char, kLamps> m_current;
    std::array<unsigned char, kLamps> m_drawn;
    std::array<bool, kLamps> m_changed{};  // to be drawn again
    bool m_bRepaint = true;
};
