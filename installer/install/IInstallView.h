// IInstallView: what an installation run shows, as the window's controls take it.
//
// Contract: every call is made on the thread that owns the window (the user-interface thread);
// an implementation touches its controls directly and skips a control that does not exist.
// Install threads never call it: they go through CInstallViewPoster, whose Dispatch makes these
// calls on the owning thread. A progress update is always SetProgressStretch(false), then
// SetProgressValue, then SetPercentText, in that order (the bar's fore image is drawn clipped,
// not stretched, before its value changes).
// It does not read anything back from the window and does not start runs.
#pragma once

enum class InstallEndPage
{
    Finished, // hide page_install, show page_finished
    Failed,   // hide page_install, show page_fail
};

class IInstallView
{
public:
    virtual ~IInstallView() = default;

    virtual void SetProgressStretch(bool stretch) = 0;    // pro_Percent: SetStretchForeImage
    virtual void SetProgressValue(int value) = 0;         // pro_Percent: SetValue
    virtual void SetPercentText(const wchar_t* text) = 0; // lb_Percent: SetText
    virtual void ShowEndPage(InstallEndPage page) = 0;
};
