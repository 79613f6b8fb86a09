#include "grid/InPlaceEditRules.h"

#include <algorithm>

#include "controls/VirtualKeys.h"

namespace {
bool IsNavigationKey(int nKey)
{
    return nKey >= VK_PRIOR && nKey <= VK_DOWN;
}
}  // namespace

EditStart EditStartFor(int nChar, bool bList)
{
    if (nChar == VK_LBUTTON || nChar == VK_RETURN)
        return EditStart::CaretAtEnd;
    if (nChar == VK_BACK)
        return EditStart::DeleteLast;
    if (IsNavigationKey(nChar) || (!bList && (nChar == VK_TAB || nChar == VK_SPACE)))
        return EditStart::SelectAll;
    return EditStart::ReplaceWithChar;
}

bool KeyDownEndsEdit(int nKey, bool bExitOnArrows, bool bCtrl)
{
    return (nKey == VK_PRIOR || nKey == VK_NEXT || (nKey >= VK_LEFT && nKey <= VK_DOWN)) && (bExitOnArrows || bCtrl);
}

int GrownEditorRight(int nLeft, int nRight, int nTextWidth, int nClientRight)
{
    if (nTextWidth <= nRight - nLeft)
        return nRight;
    return std::max(nRight, std::min(nLeft + nTextWidth, nClientRight));
}
