#pragma once
// The edit of texts that go into the processor's fixed byte fields (the preset name): the text
// is counted in GBK bytes, the form the field stores, and with alignment on every double-byte
// character is kept on an even byte position by a space in front of it, as the field needs.
// Typed characters go in here; text that an input method commits directly is aligned when the
// edit loses the focus, as pasted text is. Whatever way text comes in, the byte limit holds at
// once: what would pass it is cut at a whole character, so an over-long name never reaches a
// field writer (which would refuse it).
#include <wx/textctrl.h>

class CChEnEdit : public wxTextCtrl {
public:
    CChEnEdit();
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, long nStyle = 0);
    // A dialog template's item (its style bits and text are the system's and not used).
    bool Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, unsigned, const wxString&, unsigned)
    {
        return Create(pParent, nCtrlId, rc);
    }

    void EnableDbcsAlign(bool bOn) { m_bAlign = bOn; }
    // The most GBK bytes the text may take (0: no limit).
    void SetLimitText(int nBytes) { m_nLimitBytes = nBytes > 0 ? static_cast<std::size_t>(nBytes) : 0; }
    // Printable ASCII only (space to tilde): other characters are not typed, and text that comes
    // in otherwise loses them at once.
    void SetAsciiOnly(bool bOn) { m_bAsciiOnly = bOn; }

    void OnChar(wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnText(wxCommandEvent& event);

private:
    bool m_bAlign = true;
    bool m_bAsciiOnly = false;
    std::size_t m_nLimitBytes = 0;
};
