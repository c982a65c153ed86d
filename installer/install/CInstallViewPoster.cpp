#include "installer/install/CInstallViewPoster.h"

#include "installer/net/TextConvert.h"

namespace
{

int ClampPercent(int percent)
{
    if (percent < 0)
        return 0;
    return percent > CInstallViewPoster::kMaxDownloadPercent ? CInstallViewPoster::kMaxDownloadPercent
                                                             : percent;
}

} // namespace

void CInstallViewPoster::PostProgress(int percent)
{
    percent = ClampPercent(percent);
    if (m_nLastPercent.exchange(percent) == percent)
        return;
    Post(kProgress, static_cast<LPARAM>(percent));
}

void CInstallViewPoster::PostEndPage(InstallEndPage page)
{
    Post(kEndPage, static_cast<LPARAM>(page));
}

void CInstallViewPoster::Post(WPARAM kind, LPARAM value)
{
    if (m_hTarget != nullptr && ::PostMessageW(m_hTarget, kMessage, kind, value))
        ++m_nPosted;
}

void CInstallViewPoster::ShowProgress(IInstallView& view, int percent)
{
    percent = ClampPercent(percent);
    view.SetProgressStretch(false);
    view.SetProgressValue(percent);
    wchar_t text[16] = {};
    FormatWide(text, 16, L"%d%%", percent);
    view.SetPercentText(text);
}

bool CInstallViewPoster::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam, IInstallView& view)
{
    if (msg != kMessage)
        return false;
    if (wParam == kProgress)
        ShowProgress(view, static_cast<int>(lParam));
    else if (wParam == kEndPage && (lParam == static_cast<LPARAM>(InstallEndPage::Finished) ||
                                    lParam == static_cast<LPARAM>(InstallEndPage::Failed)))
        view.ShowEndPage(static_cast<InstallEndPage>(lParam));
    return true;
}
