#pragma once
// An axis text of a graph: the text and its top-left corner in client coordinates.
#include <string>

#include "model/GdiTypes.h"

struct GraphLabel {
    std::string strText;
    Point pt;
    bool bDim = false;  // drawn in the graph's dim text colour
};
