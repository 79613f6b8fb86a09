#include "controls/WinKeys.h"

#include <wx/event.h>

namespace {
struct KeyPair {
    int nWx;
    int nVk;
};

constexpr KeyPair kKeys[] = {
    {WXK_BACK, VK_BACK},       {WXK_TAB, VK_TAB},        {WXK_RETURN, VK_RETURN},
    {WXK_NUMPAD_ENTER, VK_RETURN}, {WXK_ESCAPE, VK_ESCAPE}, {WXK_SPACE, VK_SPACE},
    {WXK_SHIFT, VK_SHIFT},     {WXK_CONTROL, VK_CONTROL}, {WXK_ALT, 0x12},
    {WXK_PAUSE, 0x13},         {WXK_CAPITAL, 0x14},      {WXK_PAGEUP, VK_PRIOR},
    {WXK_PAGEDOWN, VK_NEXT},   {WXK_END, VK_END},        {WXK_HOME, VK_HOME},
    {WXK_LEFT, VK_LEFT},       {WXK_UP, VK_UP},          {WXK_RIGHT, VK_RIGHT},
    {WXK_DOWN, VK_DOWN},       {WXK_INSERT, VK_INSERT},  {WXK_DELETE, VK_DELETE},
    {WXK_NUMPAD_PAGEUP, VK_PRIOR}, {WXK_NUMPAD_PAGEDOWN, VK_NEXT}, {WXK_NUMPAD_END, VK_END},
    {WXK_NUMPAD_HOME, VK_HOME}, {WXK_NUMPAD_LEFT, VK_LEFT}, {WXK_NUMPAD_UP, VK_UP},
    {WXK_NUMPAD_RIGHT, VK_RIGHT}, {WXK_NUMPAD_DOWN, VK_DOWN}, {WXK_NUMPAD_INSERT, VK_INSERT},
    {WXK_NUMPAD_DELETE, VK_DELETE}, {WXK_NUMPAD_MULTIPLY, 0x6A}, {WXK_NUMPAD_ADD, 0x6B},
    {WXK_NUMPAD_SEPARATOR, 0x6C}, {WXK_NUMPAD_SUBTRACT, 0x6D}, {WXK_NUMPAD_DECIMAL, 0x6E},
    {WXK_NUMPAD_DIVIDE, 0x6F}, {WXK_NUMLOCK, 0x90},      {WXK_SCROLL, 0x91},
    {';', 0xBA}, {'=', 0xBB}, {',', 0xBC}, {'-', 0xBD}, {'.', 0xBE}, {'/', 0xBF},
    {'`', 0xC0}, {'[', 0xDB}, {'\\', 0xDC}, {']', 0xDD}, {'\'', 0xDE},
};
}  // namespace

int WinKeyCode(const wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    if ((nKey >= '0' && nKey <= '9') || (nKey >= 'A' && nKey <= 'Z'))
        return nKey;
    if (nKey >= 'a' && nKey <= 'z')
        return nKey - 'a' + 'A';
    if (nKey >= WXK_NUMPAD0 && nKey <= WXK_NUMPAD9)
        return 0x60 + (nKey - WXK_NUMPAD0);
    if (nKey >= WXK_F1 && nKey <= WXK_F24)
        return 0x70 + (nKey - WXK_F1);
    for (const auto& k : kKeys)
        if (k.nWx == nKey)
            return k.nVk;
    return 0;
}
