#include "engine/window/CUIForm.h"

#include "engine/window/CUIFrameWnd.h"

namespace SkinUI
{

CPaintManagerUI* CUIForm::GetManager()
{
    return m_pFrame != nullptr ? m_pFrame->GetManager() : nullptr;
}

} // namespace SkinUI
