#pragma once
// The display types of a numeric field (NumEditType 0..40): how a value in device steps is shown
// as text, and how typed text is read back into a value. Toolkit-free; CNumEditModel holds the
// state and decides when each rule runs.
#include <optional>
#include <string>
#include <string_view>

// The settings of a field that shape its text (members as the field keeps them).
struct NumEditFormat {
    int nType = 0;
    int nMin = 0;
    int nMax = 0;
    double dScale = 0.0;   // the scaled types show value x scale - offset
    double dOffset = 0.0;
    int nTemp = 75;        // air temperature in degrees Celsius + 50 (75 = 25 C)
    std::string strUnit;   // appended by some types, a switch (empty or not) for others
};

struct NumEditText {
    std::optional<std::string> text;  // none: the type leaves the present text as it is
    int nValue;                       // the value, limited to the range by types 26 and 32
};

struct ParamRow;
// The settings a field of a parameter row takes.
NumEditFormat ParamFormat(const ParamRow& row);

// Text of value v.
NumEditText FormatNumEditValue(const NumEditFormat& fmt, int v);

// Which values a type reads back when the field loses the focus.
enum class NumEditCommit {
    None,        // the typed text stays until the next rebuild
    WhenEdited,  // only when the user edited the text
    Always,      // the number is taken from the text every time; text and notice only when edited
};
NumEditCommit CommitKindOf(int nType);

// Types 4, 8 and 9 take a text that is exactly "OFF" as no entry at all: no value, no text, no notice.
bool CommitIgnores(const NumEditFormat& fmt, std::string_view text);

// Commit reading of the entry: the value to store, or none to keep the present one (an entry
// with no number, or "OFF" where it is no value). Results are limited to the range.
std::optional<int> CommitNumEditEntry(const NumEditFormat& fmt, std::string_view text);

// Silent reading (a caller asks for the value while typed text is pending): entries outside a
// type's limits are ignored rather than limited.
std::optional<int> ReadNumEditEntry(const NumEditFormat& fmt, std::string_view text);

// "OFF" or "关闭", by the language flag at the moment of the call.
const char* OffText();
// The off text of either language.
bool IsOffText(std::string_view text);
