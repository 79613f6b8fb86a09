#pragma once
// The button of the pages whose faces are images with transparency (channel and speaker-position
// buttons, selectors, toggles). At its first paint each state's face is composed once over the
// piece of the parent's skin beneath the button and kept; drawing a state is then one copy. So a
// later change of images, language or background does not remake the pictures; the choice
// between the English and the Chinese set is made at each draw. The button keeps its own checked
// flag, hover (after the mouse has rested 1 ms) and pressed look, an int of caller data, two
// partner buttons whose hover look follows it, an optional WM_BUTTON_HOVER notice and the hand
// cursor. A click reaches the parent as a command event with the button's id.
#include <wx/bitmap.h>
#include <wx/image.h>

#include <array>
#include <memory>
#include <optional>

#include "controls/ControlTimer.h"
#include "controls/DrawnControl.h"

// One image with its alpha channel.
class CPngImage {
public:
    virtual ~CPngImage() = default;
    const wxImage& GetImage() const { return m_image; }
    bool IsEmpty() const { return !m_image.IsOk(); }

protected:
    wxImage m_image;
};

// An image taken from the program's PNG faces (res/PngImages.h).
class CPngResourceImage : public CPngImage {
public:
    // False for an unknown id or a type other than "PNG"; the object is then empty.
    bool LoadFromResource(int nId, const char* szType = "PNG");
};

// Rotate and flip types: a quarter turn count (0-3) plus 4 for a horizontal flip after it.
enum RotateFlipType { RotateNoneFlipNone = 0, Rotate90FlipNone, Rotate180FlipNone, Rotate270FlipNone,
                      RotateNoneFlipX, Rotate90FlipX, Rotate180FlipX, Rotate270FlipX };

class CBtnPng : public CDrawnControl {
public:
    CBtnPng();

    void SetImages(int nNormal, int nHover, int nPressed);
    void SetCheckedImages(int nNormal, int nHover, int nPressed);
    void SetImagesWithChinese(int nNormal, int nHover, int nPressed, int nCheckedNormal, int nCheckedHover,
                              int nCheckedPressed);
    void SetDisabledImages(int nDisabled, int nDisabledChecked);
    void SetRotateFlip(RotateFlipType type) { m_rotateFlip = type; }

    void Redraw() { Refresh(); }
    void SetCheck(bool bChecked);
    bool GetCheck() const { return m_bChecked; }
    void SetHover(bool bHover);
    bool GetHover() const { return m_bHover; }
    void SetHoverNotify(bool bOn) { m_bHoverNotify = bOn; }
    void SetItemData(int n) { m_nItemData = n; }
    int GetItemData() const { return m_nItemData; }
    void SetPartners(CBtnPng* pFirst, CBtnPng* pSecond);
    // Hiding forgets both partners.
    virtual void ShowWindow(int nCmdShow);

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    enum { kCustom = 0, kSystem = 2, kNone = 4 };
    // The images and their pictures, in the order the pictures are composed.
    enum State {
        Normal, Hover, Pressed, CheckedNormal, CheckedHover, CheckedPressed, Disabled, DisabledChecked,
        CnNormal, CnHover, CnPressed, CnCheckedNormal, CnCheckedHover, CnCheckedPressed, StateCount
    };

    void Load(State state, int nId);
    void TakeSize(State state);
    void PreparePictures();
    State CurrentState() const;
    void UpdatePartnersHover(bool bHover);
    void OnMouseMove(wxMouseEvent& event);
    void OnHoverTimer();
    void OnMouseLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    std::array<std::unique_ptr<CPngResourceImage>, StateCount> m_images;
    bool m_bHover = false;
    bool m_bPressed = false;
    bool m_bChecked = false;
    int m_nKind = kCustom;
    bool m_bHandCursor = true;
    std::optional<wxBitmap> m_background;
    std::array<std::optional<wxBitmap>, StateCount> m_pictures;
    bool m_bChineseSet = false;
    int m_nHeight = 0;
    int m_nWidth = 0;
    RotateFlipType m_rotateFlip = RotateNoneFlipNone;
    bool m_bHoverNotify = false;
    std::optional<wxPoint> m_lastNotified;
    int m_nItemData = -1;
    CBtnPng* m_pPartner1 = nullptr;
    CBtnPng* m_pPartner2 = nullptr;
    CControlTimer m_hoverTimer;
};
