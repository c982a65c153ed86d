// CUIWaitCursor: scope guard showing the wait cursor (IDC_WAIT) and putting the previous
// cursor back when it goes out of scope.
//
// Not done: both cursors are borrowed (shared system cursors), never destroyed; it does not
// capture the mouse or block input.
#pragma once

#include <windows.h>

namespace SkinUI
{

class CUIWaitCursor
{
public:
    CUIWaitCursor();
    ~CUIWaitCursor();
    CUIWaitCursor(const CUIWaitCursor&) = delete;
    CUIWaitCursor& operator=(const CUIWaitCursor&) = delete;

private:
    HCURSOR m_hOrigCursor;
};

} // namespace SkinUI
