#pragma once
// Small value types for the points, rectangles and colours that the data model hands to the
// graphs. The UI turns them into wx types when it draws.
#include <cstdint>

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const PointF&, const PointF&) = default;
};

// A rectangle as the drawing code uses it: right and bottom lie just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr Point CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour with alpha (255 = opaque).
struct Color {
    std::uint8_t a = 255;
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};
