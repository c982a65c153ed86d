// IUIAnimation: frame animations of a control, identified by integer ids and driven by the
// control's timers (CUIAnimation implements it for every control).
//
// Contract: StartAnimation begins counting frames 1..totalFrames, one per elapse; the
// On* operations are the steps a control overrides to draw or resize per frame.
//
// Not done: no timing of its own (the paint manager's timers tick it).
#pragma once

namespace SkinUI
{

class IUIAnimation
{
public:
    virtual ~IUIAnimation() {}

    virtual bool StartAnimation(int nElapse, int nTotalFrame, int nAnimationID = 0, bool bLoop = false) = 0;
    virtual void StopAnimation(int nAnimationID = 0) = 0;
    virtual bool IsAnimationRunning(int nAnimationID) = 0;
    virtual int GetCurrentFrame(int nAnimationID = 0) = 0;
    virtual bool SetCurrentFrame(int nAnimationID, int nFrame) = 0;

    virtual void OnAnimationStep(int nTotalFrame, int nCurFrame, int nAnimationID) = 0;
    virtual void OnAnimationStart(int nAnimationID, bool bFirstLoop) = 0;
    virtual void OnAnimationStop(int nAnimationID) = 0;
    virtual void OnAnimationElapse(int nAnimationID) = 0;
};

} // namespace SkinUI
