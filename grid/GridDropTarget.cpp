#include "grid/GridDropTarget.h"

#include <wx/utils.h>

#include "grid/GridCtrl.h"
#include "platform/Trace.h"

namespace {
wxDragResult DragResult(int nEffect)
{
    switch (nEffect) {
    case DROPEFFECT_COPY: return wxDragCopy;
    case DROPEFFECT_MOVE: return wxDragMove;
    default: return wxDragNone;
    }
}

GridKeyState HeldKeys()
{
    return {wxGetKeyState(WXK_SHIFT), wxGetKeyState(WXK_CONTROL)};
}
}  // namespace

CGridDropTarget::CGridDropTarget() : wxDropTarget(new wxTextDataObject) {}

bool CGridDropTarget::Register(CGridCtrl* pGridCtrl)
{
    if (m_bRegistered || pGridCtrl == nullptr || pGridCtrl->GetHandle() == nullptr)
        return false;
    m_pGridCtrl = pGridCtrl;
    pGridCtrl->SetDropTarget(this);
    m_bRegistered = true;
    return true;
}

void CGridDropTarget::Revoke()
{
    if (!m_bRegistered)
        return;
    m_bRegistered = false;
    m_pGridCtrl->SetDropTarget(nullptr);  // the window deletes its target
}

wxDragResult CGridDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult)
{
    Trace("In CGridDropTarget::OnDragEnter\n");
    if (m_pGridCtrl == nullptr)
        return wxDragNone;
    return DragResult(m_pGridCtrl->OnDragEnter(OffersText(), {x, y}, HeldKeys()));
}

wxDragResult CGridDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult)
{
    if (m_pGridCtrl == nullptr)
        return wxDragNone;
    return DragResult(m_pGridCtrl->OnDragOver(OffersText(), {x, y}, HeldKeys()));
}

void CGridDropTarget::OnLeave()
{
    Trace("In CGridDropTarget::OnDragLeave\n");
    if (m_pGridCtrl != nullptr)
        m_pGridCtrl->OnDragLeave();
}

bool CGridDropTarget::OnDrop(wxCoord, wxCoord)
{
    Trace("In CGridDropTarget::OnDrop\n");
    return m_pGridCtrl != nullptr;
}

wxDragResult CGridDropTarget::OnData(wxCoord, wxCoord, wxDragResult def)
{
    if (m_pGridCtrl == nullptr)
        return wxDragNone;
    const std::optional<std::string> text = DroppedText();
    return text && m_pGridCtrl->OnDrop(*text) ? def : wxDragNone;
}

bool CGridDropTarget::OffersText()
{
    return GetMatchingPair() != wxDF_INVALID;
}

std::optional<std::string> CGridDropTarget::DroppedText()
{
    if (!GetData())
        return std::nullopt;
    return static_cast<wxTextDataObject*>(GetDataObject())->GetText().utf8_string();
}
