#pragma once
// The toolkit-free state of a numeric field (CNumEdit): an integer value in the processor's own
// steps with its range, the display type that turns it into text, the text itself and the
// edited flag. The window class draws it, edits its text and sends the notices this state asks for.
#include <string>

#include "controls/NumEditTypes.h"

class CNumEditModel {
public:
    // Stores both and sets the value to min; the text is not rebuilt.
    void SetRange(int nMin, int nMax);
    // Ignored (false) outside the range; otherwise stores v and rebuilds the text.
    bool SetValue(int v);
    void SetType(int nType, std::string strUnit);
    int GetType() const { return m_fmt.nType; }
    void SetScale(double dScale) { m_fmt.dScale = dScale; }
    void SetOffset(double dOffset) { m_fmt.dOffset = dOffset; }
    // Degrees Celsius + 50; rebuilds the text.
    void SetTemperature(int nTemp);

    // The value; typed text still pending is read first (silently) and the edited flag cleared.
    int GetValue();
    bool IsEdited() const { return m_bEdited; }
    void SetEdited(bool bEdited) { m_bEdited = bEdited; }

    // Builds the text of the value (types without a text keep the present one).
    void UpdateText();
    const std::string& GetText() const { return m_strText; }
    // Text the user typed: marks the field edited.
    void SetTypedText(std::string strText);

    // The commit step when the field loses the focus; true when the parent is to be told.
    bool Commit();
    // value + d within the range, new text; the parent is always told.
    void AddDelta(int d);
    // Commits the delay types (0, 19, 1, 2) and returns the value; bNotify tells whether the
    // commit asks for the notice.
    int GetCommittedValue(bool& bNotify);
    // After a language switch: the delay types rebuild their unit words, the others swap the
    // off text in the present text.
    void RefreshLanguage();

private:
    int m_nValue = 0;
    NumEditFormat m_fmt;
    bool m_bEdited = false;
    std::string m_strText;
};
