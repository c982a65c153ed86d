#include "engine/core/CUIWaitCursor.h"

namespace SkinUI
{

CUIWaitCursor::CUIWaitCursor() : m_hOrigCursor(::SetCursor(::LoadCursorW(NULL, IDC_WAIT))) {}

CUIWaitCursor::~CUIWaitCursor()
{
    ::SetCursor(m_hOrigCursor);
}

} // namespace SkinUI
