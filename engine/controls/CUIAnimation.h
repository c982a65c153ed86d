// CUIAnimation: the frame animations of one control, run on that control's timers (the timer
// id is the animation id). Each tick advances the frame; the last frame stops the animation
// (or, looping, starts it again from frame 1).
//
// Contract: borrows its owning control; starting needs the control's manager (false
// without one, or when that id already runs). Stopping kills the timer and calls
// OnAnimationStop. The step hooks do nothing here; controls override them.
//
// Not done: no easing or time-based frames: a frame is one timer tick, late ticks are not
// caught up.
#pragma once

#include <vector>

#include "engine/controls/IUIAnimation.h"

namespace SkinUI
{

class CControlUI;

class CUIAnimation : public IUIAnimation
{
public:
    explicit CUIAnimation(CControlUI* pOwner);
    ~CUIAnimation() override;
    CUIAnimation(const CUIAnimation&) = delete;
    CUIAnimation& operator=(const CUIAnimation&) = delete;

    bool StartAnimation(int nElapse, int nTotalFrame, int nAnimationID = 0, bool bLoop = false) override;
    void StopAnimation(int nAnimationID = 0) override;
    bool IsAnimationRunning(int nAnimationID) override;
    int GetCurrentFrame(int nAnimationID = 0) override;
    bool SetCurrentFrame(int nAnimationID, int nFrame) override;

    void OnAnimationStep(int, int, int) override {}
    void OnAnimationStart(int, bool) override {}
    void OnAnimationStop(int) override {}
    void OnAnimationElapse(int nAnimationID) override;

private:
    struct AnimationData
    {
        int nAnimationID;
        int nElapse;
        int nTotalFrame;
        int nCurFrame;
        bool bLoop;
        bool bFirstLoop;
    };
    AnimationData* Find(int nAnimationID);

    CControlUI* m_pControl;
    std::vector<AnimationData> m_arAnimations;
};

} // namespace SkinUI
