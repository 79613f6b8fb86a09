#include "controls/LineEditor.h"

#include "controls/VirtualKeys.h"

namespace {
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsPrintableAscii(char32_t c) { return c >= 0x20 && c < 0x7F; }

// The character boundary at or before n, within the text.
std::size_t Boundary(const std::string& text, std::size_t n)
{
    n = n > text.size() ? text.size() : n;
    while (n > 0 && n < text.size() && IsContinuation(text[n]))
        --n;
    return n;
}

std::size_t Prev(const std::string& text, std::size_t n)
{
    if (n == 0)
        return 0;
    do
        --n;
    while (n > 0 && IsContinuation(text[n]));
    return n;
}

std::size_t Next(const std::string& text, std::size_t n)
{
    if (n >= text.size())
        return text.size();
    do
        ++n;
    while (n < text.size() && IsContinuation(text[n]));
    return n;
}
}  // namespace

void CLineEditor::Fit(const std::string& text)
{
    m_nCaret = Boundary(text, m_nCaret);
    m_nAnchor = Boundary(text, m_nAnchor);
}

void CLineEditor::SelectAll(const std::string& text)
{
    m_nAnchor = 0;
    m_nCaret = text.size();
}

void CLineEditor::MoveTo(const std::string& text, std::size_t nPos, bool bExtend)
{
    m_nCaret = Boundary(text, nPos);
    if (!bExtend)
        m_nAnchor = m_nCaret;
}

bool CLineEditor::Key(std::string& text, int nVirtualKey, bool bShift)
{
    Fit(text);
    switch (nVirtualKey) {
    case VK_LEFT:
    case VK_UP:
        // Without Shift a selection collapses to its start, as in a native field.
        MoveTo(text, !bShift && HasSelection() ? SelStart() : Prev(text, m_nCaret), bShift);
        return false;
    case VK_RIGHT:
    case VK_DOWN:
        MoveTo(text, !bShift && HasSelection() ? SelEnd() : Next(text, m_nCaret), bShift);
        return false;
    case VK_HOME:
        MoveTo(text, 0, bShift);
        return false;
    case VK_END:
        MoveTo(text, text.size(), bShift);
        return false;
    case VK_DELETE:
        if (DeleteSelection(text))
            return true;
        if (m_nCaret >= text.size())
            return false;
        text.erase(m_nCaret, Next(text, m_nCaret) - m_nCaret);
        return true;
    default:
        return false;
    }
}

bool CLineEditor::Char(std::string& text, char32_t c)
{
    Fit(text);
    if (c == VK_BACK) {
        if (DeleteSelection(text))
            return true;
        if (m_nCaret == 0)
            return false;
        const std::size_t n = Prev(text, m_nCaret);
        text.erase(n, m_nCaret - n);
        m_nCaret = m_nAnchor = n;
        return true;
    }
    if (!IsPrintableAscii(c))
        return false;
    return Insert(text, std::string(1, static_cast<char>(c)));
}

bool CLineEditor::Insert(std::string& text, const std::string& s)
{
    Fit(text);
    std::string kept;
    for (const char c : s)
        if (IsPrintableAscii(static_cast<unsigned char>(c)))
            kept += c;
    bool bChanged = DeleteSelection(text);
    if (kept.empty())
        return bChanged;
    text.insert(m_nCaret, kept);
    m_nCaret = m_nAnchor = m_nCaret + kept.size();
    return true;
}

bool CLineEditor::DeleteSelection(std::string& text)
{
    Fit(text);
    if (!HasSelection())
        return false;
    const std::size_t start = SelStart();
    text.erase(start, SelEnd() - start);
    m_nCaret = m_nAnchor = start;
    return true;
}
