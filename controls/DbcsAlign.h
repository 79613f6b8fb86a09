#pragma once
// Rules of the name edit (CChEnEdit) over GBK bytes, the form the processor's fixed byte fields
// take: double-byte characters can be kept on even byte positions by inserting spaces, and a
// byte limit is never passed nor met by splitting a character.
#include <cstddef>
#include <string>

// A GBK lead byte: the first byte of a double-byte character.
bool IsDbcsLeadByte(unsigned char by);

struct DbcsTyping {
    bool bAccept = false;     // the character goes in
    bool bSpaceFirst = false; // a space goes in before it
};

// Typing one character of nCharBytes GBK bytes (1 or 2) into a line of nLineBytes bytes of which
// nReplacedBytes are selected and replaced. With alignment a double-byte character typed while
// the line's length is odd gets a space in front. Without it the character goes in whole. Either
// way nothing goes in that would take the line past nLimit bytes (0: no limit).
DbcsTyping TypeDbcsCharacter(std::size_t nLineBytes, std::size_t nReplacedBytes, std::size_t nCharBytes, bool bAlign,
                             std::size_t nLimit);

// Pads every run of single-byte characters in front of a double-byte character to an even
// length with one space. When that takes the text past nLimit bytes (0: no limit), whole
// characters are dropped from the end until it fits.
std::string PadDbcsRuns(const std::string& strGbk, std::size_t nLimit);

// The text with whole characters dropped from its end until it takes at most nLimit bytes (0: no
// limit).
std::string CutDbcsText(const std::string& strGbk, std::size_t nLimit);
