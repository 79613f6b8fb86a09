#pragma once
// Template rows placed by pixels: a page whose artwork is drawn by a pixel layout writes its
// template rows through Px, which rounds each rectangle to the nearest dialog unit of Arial 7
// (5 x 11 pixels per 4 x 8 units at 96 dpi).
#include "pages/OutputLayout.h"
#include "res/DialogTemplate.h"

constexpr DlgItem Px(int nId, DlgClass cls, const OutputLayout::PxRect& rc, const char* szText = "",
                     unsigned nStyle = 0, int nImageId = 0)
{
    return {nId, cls, (rc.x * 4 + 2) / 5, (rc.y * 8 + 5) / 11, (rc.w * 4 + 2) / 5, (rc.h * 8 + 5) / 11, szText,
            nStyle, 0, nImageId};
}
