#pragma once
// A control of a window found by the program's own control id, as the type the test expects; a
// missing control or one of another type fails the test by its id.
#include <gtest/gtest.h>
#include <wx/window.h>

#include "controls/ControlIds.h"

template <class T = wxWindow>
T* Item(const wxWindow& wnd, int nId)
{
    auto* pCtrl = dynamic_cast<T*>(wnd.FindWindow(WxId(nId)));
    EXPECT_NE(pCtrl, nullptr) << "control " << nId;
    return pCtrl;
}
