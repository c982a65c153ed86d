#include "engine/controls/CUIAnimation.h"

#include "engine/controls/CControlUI.h"

namespace SkinUI
{

CUIAnimation::CUIAnimation(CControlUI* pOwner) : m_pControl(pOwner) {}

CUIAnimation::~CUIAnimation()
{
    // The owner's destructor has run: its timers are already gone with ReapObjects.
}

CUIAnimation::AnimationData* CUIAnimation::Find(int nAnimationID)
{
    for (AnimationData& data : m_arAnimations)
        if (data.nAnimationID == nAnimationID)
            return &data;
    return nullptr;
}

bool CUIAnimation::StartAnimation(int nElapse, int nTotalFrame, int nAnimationID, bool bLoop)
{
    if (nElapse <= 0 || nTotalFrame <= 0 || m_pControl == nullptr || m_pControl->GetManager() == nullptr)
        return false;
    if (Find(nAnimationID) != nullptr)
        return false;
    if (!m_pControl->SetTimer(static_cast<UINT>(nAnimationID), static_cast<UINT>(nElapse)))
        return false;
    m_arAnimations.push_back(AnimationData{nAnimationID, nElapse, nTotalFrame, 0, bLoop, true});
    OnAnimationStart(nAnimationID, true);
    return true;
}

void CUIAnimation::StopAnimation(int nAnimationID)
{
    for (size_t i = 0; i < m_arAnimations.size(); ++i)
    {
        if (m_arAnimations[i].nAnimationID != nAnimationID)
            continue;
        m_arAnimations.erase(m_arAnimations.begin() + i);
        m_pControl->KillTimer(static_cast<UINT>(nAnimationID));
        OnAnimationStop(nAnimationID);
        return;
    }
}

bool CUIAnimation::IsAnimationRunning(int nAnimationID)
{
    return Find(nAnimationID) != nullptr;
}

int CUIAnimation::GetCurrentFrame(int nAnimationID)
{
    const AnimationData* pData = Find(nAnimationID);
    return pData != nullptr ? pData->nCurFrame : -1;
}

bool CUIAnimation::SetCurrentFrame(int nAnimationID, int nFrame)
{
    AnimationData* pData = Find(nAnimationID);
    if (pData == nullptr || nFrame < 0 || nFrame > pData->nTotalFrame)
        return false;
    pData->nCurFrame = nFrame;
    return true;
}

void CUIAnimation::OnAnimationElapse(int nAnimationID)
{
    AnimationData* pData = Find(nAnimationID);
    if (pData == nullptr)
        return;
    const int nTotal = pData->nTotalFrame;
    const int nFrame = ++pData->nCurFrame;
    OnAnimationStep(nTotal, nFrame, nAnimationID);
    // The step may have stopped the animation and invalidated pData.
    pData = Find(nAnimationID);
    if (pData == nullptr || nFrame < nTotal)
        return;
    if (pData->bLoop)
    {
        pData->nCurFrame = 0;
        pData->bFirstLoop = false;
        OnAnimationStart(nAnimationID, false);
    }
    else
        StopAnimation(nAnimationID);
}

} // namespace SkinUI
