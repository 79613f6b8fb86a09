#pragma once
// The stepping rules of the numeric spin (CNumSpin) that go beyond value + delta. Toolkit-free.
#include <optional>

// Ratio fields (stepping type 40): one step below 2.0:1, steps of 0.5 above.
int RatioStep(int a, int delta);

// Frequency fields (stepping types 4, 8, 9): the spin has moved its position one step from the
// field's value cur; the position goes on to the neighbouring point of the frequency grid,
// within min..max. None when the position equals cur (nothing to do).
std::optional<int> FrequencyStep(int nPos, int nCur, int nMin, int nMax);

// Delay spins (stepping type 2) by the field's display type: milliseconds keep the position,
// centimetres and inches step from a until the shown distance changes. None: the field is not
// changed (other display types).
std::optional<int> DelayStep(int nDisplayType, int nPos, int a, int delta);
