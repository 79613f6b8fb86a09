#pragma once
// The data model's point, rectangle and colour types (model/GdiTypes.h) as wx types, where the
// UI draws them.
#include <wx/colour.h>
#include <wx/gdicmn.h>

#include "model/GdiTypes.h"

inline wxColour ToWx(const Color& c)
{
    return {c.r, c.g, c.b, c.a};
}

inline Color FromWx(const wxColour& c)
{
    return {c.Alpha(), c.Red(), c.Green(), c.Blue()};
}

inline wxRect ToWx(const Rect& rc)
{
    return {rc.left, rc.top, rc.Width(), rc.Height()};
}

inline Rect FromWx(const wxRect& rc)
{
    return {rc.x, rc.y, rc.x + rc.width, rc.y + rc.height};
}
