#pragma once
// Fonts by their Windows description. Faces are mapped to the fonts this system ships: Arial and
// the other Latin faces to Liberation Sans (Arial's metric twin), SimSun to WenQuanYi Micro Hei.
// A height above 0 is the cell height in pixels, below 0 the character height, as in a Windows
// font description; weights above the heaviest available (1000) take the heaviest.
// A font that cannot be made falls back to the normal GUI font without a message.
#include <wx/font.h>

wxFont MakeFont(const char* szFace, int nHeight, int nWeight, bool bItalic = false);
// A font of nTenthsOfPoint / 10 points at 96 dpi.
wxFont MakePointFont(const char* szFace, int nTenthsOfPoint, int nWeight, bool bItalic = false);

// The face that stands in for a Windows face.
const char* SubstituteFace(const char* szFace);

// The label font of skins and buttons in the current or given language, height in pixels.
wxFont LabelFont(int nPixels, bool bBold = false);
wxFont LabelFont(int nPixels, bool bBold, bool bChinese);
