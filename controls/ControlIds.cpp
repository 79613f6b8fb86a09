#include "controls/ControlIds.h"

#include <wx/defs.h>

int WxId(int nCtrlId)
{
    switch (nCtrlId) {
    case -1: return wxID_ANY;
    case 1: return wxID_OK;
    case 2: return wxID_CANCEL;
    default: return nCtrlId + kControlIdOffset;
    }
}

int CtrlId(int nWxId)
{
    if (nWxId == wxID_OK)
        return 1;
    if (nWxId == wxID_CANCEL)
        return 2;
    if (nWxId >= kControlIdOffset && nWxId != WxId(1) && nWxId != WxId(2))
        return nWxId - kControlIdOffset;
    return -1;
}
