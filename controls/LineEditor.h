#pragma once
// The caret and selection of a one-line text editor, and the edits that keys and characters
// make to the text (UTF-8, kept by the caller). The numeric field edits its text through it
// while it has the focus; it draws the caret and the selection itself.
#include <cstddef>
#include <string>

class CLineEditor {
public:
    // Caret and anchor are byte offsets on character boundaries; the selection lies between.
    std::size_t Caret() const { return m_nCaret; }
    std::size_t SelStart() const { return m_nCaret < m_nAnchor ? m_nCaret : m_nAnchor; }
    std::size_t SelEnd() const { return m_nCaret < m_nAnchor ? m_nAnchor : m_nCaret; }
    bool HasSelection() const { return m_nCaret != m_nAnchor; }

    // Text set by the program: the caret goes to the start, nothing selected.
    void Reset() { m_nCaret = m_nAnchor = 0; }
    void SelectAll(const std::string& text);
    // Caret to a character boundary at or before nPos; bExtend keeps the anchor.
    void MoveTo(const std::string& text, std::size_t nPos, bool bExtend);

    // Caret keys (Windows key codes: Left/Up, Right/Down, Home, End) and Delete; true when the
    // text changed.
    bool Key(std::string& text, int nVirtualKey, bool bShift);
    // A typed character: printable ASCII is inserted over the selection, Backspace (8) deletes;
    // characters beyond ASCII (which the field's entries never hold) are dropped. True when the
    // text changed.
    bool Char(std::string& text, char32_t c);
    // Replaces the selection by s, keeping its printable ASCII; true when the text changed.
    bool Insert(std::string& text, const std::string& s);
    // Deletes the selection; true when there was one.
    bool DeleteSelection(std::string& text);

private:
    // Keeps caret and anchor inside a text that changed under them.
    void Fit(const std::string& text);

    std::size_t m_nCaret = 0;
    std::size_t m_nAnchor = 0;
};
