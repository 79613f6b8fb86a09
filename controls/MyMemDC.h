#pragma once
// An off-screen device context over the client area of a target dc: drawing goes to a bitmap
// that is copied back when the object goes out of scope.
#include <wx/dcbuffer.h>

class CMyMemDC : public wxBufferedDC {
public:
    CMyMemDC(wxDC& dc, const wxSize& size) : wxBufferedDC(&dc, size) {}
};
