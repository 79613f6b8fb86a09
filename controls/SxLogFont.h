#pragma once
// A font description for the group box: height in tenths of a point, weight, italic and face.
#include <string>

struct CSxLogFont {
    CSxLogFont(int nTenthsOfPoint, int nWeight, bool bItalic, const char* szFace)
        : nHeight(nTenthsOfPoint), nWeight(nWeight), bItalic(bItalic), strFace(std::string(szFace).substr(0, 31))
    {
    }
    int nHeight;
    int nWeight;
    bool bItalic;
    std::string strFace;
};
