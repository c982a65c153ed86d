// CLayoutSeparator: the drag handle of a box layout: a strip along the layout's leading
// (negative size) or trailing (positive size) edge, across the main axis, with which the user
// resizes the layout. Outside immediate mode only a dark tracker strip follows the mouse
// (painted in the layout's post-paint); the release drops the tracker and asks for a parent
// layout, but the layout keeps its size. In immediate mode the layout's fixed size follows
// the mouse at once.
//
// Contract: belongs to one layout (the owner passed to every call); the size is stored in
// logical pixels and scaled on use. The dragged size stays between the owner's minimum and
// maximum. Registers the owner for post-painting only while a tracker is shown and always
// unregisters it when the drag ends or the mode changes.
//
// Not done: no keyboard resizing; no paint of the handle itself (only the tracker).
#pragma once

#include <windows.h>

#include "engine/controls/tagTEventUI.h"

namespace SkinUI
{

class CControlUI;

class CLayoutSeparator
{
public:
    explicit CLayoutSeparator(bool bHorizontal);

    int GetSize() const { return m_iSepSize; }
    void SetSize(int iSize) { m_iSepSize = iSize; }
    bool IsImmMode() const { return m_bImmMode; }
    void SetImmMode(CControlUI& owner, bool bImmediately);
    bool IsDragging() const { return (m_uDragState & kDragging) != 0; }

    // The handle strip, on the item rectangle or (while dragging) on the dragged rectangle.
    RECT GetThumbRect(const CControlUI& owner, bool bUseDragRect) const;
    // Handles the drag events; false when the event is not the separator's.
    bool DoEvent(CControlUI& owner, const tagTEventUI& event);
    void DoPostPaint(const CControlUI& owner, HDC hDC) const;

private:
    enum : UINT
    {
        kDragging = 0x40
    };

    int ScaledSize(const CControlUI& owner) const;
    void DragTo(CControlUI& owner, POINT pt);

    bool m_bHorizontal;
    int m_iSepSize;
    UINT m_uDragState;
    bool m_bImmMode;
    POINT m_ptLastMouse;
    RECT m_rcNewPos;
};

} // namespace SkinUI
