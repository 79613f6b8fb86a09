#pragma once
// The fader a band moves when it changes: the gain fader of a parametric band, the frequency
// fader of a crossover band. Implemented by the page's skinned slider; the band only borrows it.
class IBandSlider {
public:
    virtual ~IBandSlider() = default;
    // Moves the thumb to a gain position (0-400, 200 = 0 dB).
    virtual void SetPos(int nPos) = 0;
    // Moves the thumb to the grid point of a frequency.
    virtual void SetFreq(int nHz) = 0;
};
