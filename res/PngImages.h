#pragma once
// PNG faces: images with transparency by resource id, for the buttons that are composed over the
// skin beneath them (CBtnPng). Like the skins they are drawn by our own code, here with
// anti-aliasing onto a transparent image, the first time they are asked for, and kept.
#include <functional>
#include <span>

#include <wx/image.h>

class wxGraphicsContext;

struct PngArt {
    int nId;
    int cx;
    int cy;
    // Paints the face onto a transparent (0, 0, cx, cy) area.
    void (*pfnPaint)(wxGraphicsContext& gc, const wxSize& size);
};

// Adds faces to the catalog (the program's tables are added before the first look-up); an id that
// is already known keeps its first description.
void RegisterPngImages(std::span<const PngArt> arts);
// Takes one table of faces.
using PngTableSink = std::function<void(std::span<const PngArt>)>;
// Hands each of the program's own tables to take, in the order they are registered
// (SkinCatalog.cpp); every id stands in one of them once.
void ForEachProgramPngTable(const PngTableSink& take);
// The face with its alpha channel; an invalid image (IsOk() false) for an unknown id.
const wxImage& LoadPngImage(int nId);
