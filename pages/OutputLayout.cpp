#include "pages/OutputLayout.h"

namespace OutputLayout {
Point StripOrigin(int nStrip, int nWidth)
{
    if (nStrip == 0)
        return {3, 423};
    return {6 + nStrip * (nWidth + 6), 425};
}
}  // namespace OutputLayout
