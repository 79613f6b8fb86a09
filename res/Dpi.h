#pragma once
// The program behaves as a 96-dpi program on every screen: every size it computes from a
// resolution uses kScreenDpi, fonts are made in pixels, and GTK's own scaling starts at 1.
constexpr int kScreenDpi = 96;

// Pixels of a length in points at kScreenDpi, rounded.
constexpr int PointsToPixels(int nPoints)
{
    return (nPoints * kScreenDpi + 36) / 72;
}

// Sets GTK's window and font scaling to 1 for this process. Call before wx starts GTK.
void UseFixedDpi();
