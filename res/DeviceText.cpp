#include "res/DeviceText.h"

#include <wx/strconv.h>

wxString FromDeviceBytes(const std::string& bytes)
{
    static wxCSConv gbk(wxS("GBK"));
    wxString text(bytes.data(), gbk, bytes.size());
    if (text.empty() && !bytes.empty())
        text = wxString(bytes.data(), wxConvISO8859_1, bytes.size());
    return text;
}
