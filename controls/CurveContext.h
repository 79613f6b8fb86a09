#pragma once
// The graphs draw their curves anti-aliased through a graphics context clipped to the graph.
#include <wx/graphics.h>

#include <memory>

#include "model/GdiTypes.h"

class wxDC;

// A context on dc, anti-aliased and clipped to rcClip; null where dc offers none.
std::unique_ptr<wxGraphicsContext> CurveContext(wxDC& dc, const Rect& rcClip);
