#pragma once
// What the grid's in-place editors do with keys, toolkit-free: how the key that opened an editor
// starts it, which keys end an edit, and how far an editor grows to show its text.

// What an editor does with the key or character that opened it.
enum class EditStart {
    CaretAtEnd,       // the mouse or Enter: the old text stays, the caret after it
    DeleteLast,       // Backspace: the last character goes
    SelectAll,        // a navigation key: the old text selected
    ReplaceWithChar,  // any other character: it replaces the old text
};
// bList: the option-list editor, whose Tab and Space replace the text as characters do.
EditStart EditStartFor(int nChar, bool bList);

// Whether a key going down ends the edit and carries on to the next cell: the page and arrow
// keys, when the editor exits on arrows (it was opened by typing) or Ctrl is held.
bool KeyDownEndsEdit(int nKey, bool bExitOnArrows, bool bCtrl);

// The editor's right edge once it holds a text nTextWidth wide (the text and two spaces): it
// grows from nLeft to hold it, but not past the grid's client area, and never shrinks.
int GrownEditorRight(int nLeft, int nRight, int nTextWidth, int nClientRight);

// The most characters the one-line editor takes.
constexpr int kInPlaceEditLimit = 8;
