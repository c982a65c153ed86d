// Layout and paint benchmark (not a test): the main window's home page and installing page,
// built in code the way MainFrame.xml describes them, laid out and painted into a 690x460 DIB
// at 115 %; then a repaint of only the progress bar, and SetValue followed by that repaint.
// Run under Wine:
//   tools/wine-run --prefix <prefix> build/tests/engine/controls/layouts_bench.exe
#include <windows.h>

#include <stdio.h>

#include "engine/controls/CButtonUI.h"
#include "engine/controls/CHorizontalLayoutUI.h"
#include "engine/controls/CLabelUI.h"
#include "engine/controls/COptionUI.h"
#include "engine/controls/CProgressUI.h"
#include "engine/controls/CRichEditUI.h"
#include "engine/controls/CVerticalLayoutUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "tests/engine/render/CTestDib.h"
#include "tests/support/ExeFolder.h"

using namespace SkinUI;

namespace
{

double NowMs()
{
    LARGE_INTEGER freq, now;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

void Report(const char* pName, double ms, int n)
{
    printf("%-48s %5d x  %9.2f ms total  %8.1f us each\n", pName, n, ms, ms * 1000.0 / n);
}

CControlUI* Apply(CControlUI* pControl, const wchar_t* pAttributes)
{
    pControl->ApplyAttributeList(pAttributes);
    return pControl;
}

CHorizontalLayoutUI* Row(CVerticalLayoutUI* pPage, const wchar_t* pAttributes)
{
    CHorizontalLayoutUI* pRow = new CHorizontalLayoutUI;
    pPage->Add(pRow);
    Apply(pRow, pAttributes);
    return pRow;
}

// Children are added first and configured after, as the markup builder does.
template <class T> T* Child(CContainerUI* pParent, const wchar_t* pAttributes)
{
    T* p = new T;
    pParent->Add(p);
    Apply(p, pAttributes);
    return p;
}

const wchar_t kLargeButton[] =
    L"normalimage=\"file='btn_states.png' source='0,0,20,10' corner='2,2,2,2'\" "
    L"hotimage=\"file='btn_states.png' source='0,10,20,20' corner='2,2,2,2'\" "
    L"pushedimage=\"file='btn_states.png' source='0,20,20,30' corner='2,2,2,2'\" "
    L"disabledimage=\"file='btn_states.png' source='0,30,20,40' corner='2,2,2,2'\"";

CVerticalLayoutUI* BuildHomePage(CVerticalLayoutUI* pRoot)
{
    CVerticalLayoutUI* pPage = Child<CVerticalLayoutUI>(
        pRoot, L"name=\"page_home\" childalign=\"center\" "
               L"bkimage=\"file='page_home.png' source='0,0,600,400' corner='5,5,5,5'\"");
    Row(pPage, L"height=\"20\"");
    CHorizontalLayoutUI* pClose = Row(pPage, L"height=\"14\" inset=\"0,0,20,0\"");
    Child<CHorizontalLayoutUI>(pClose, L"");
    Child<CButtonUI>(pClose, L"name=\"btn_Close\" width=\"14\" height=\"14\" "
                             L"normalimage=\"file='common_choose.png' source='0,0,14,14'\" "
                             L"hotimage=\"file='common_choose.png' source='0,14,14,28'\"");
    Row(pPage, L"height=\"128\"");
    CHorizontalLayoutUI* pName = Row(pPage, L"height=\"37\" childalign=\"center\"");
    Child<CLabelUI>(pName, L"name=\"lb_AppName\" text=\"Zentrivo\" font=\"2\" textcolor=\"0x444444\" "
                           L"autocalcwidth=\"true\"");
    Row(pPage, L"height=\"25\"");
    CHorizontalLayoutUI* pInstall = Row(pPage, L"height=\"40\" childalign=\"center\"");
    CButtonUI* pButton =
        Child<CButtonUI>(pInstall, L"name=\"btn_Install\" width=\"160\" text=\"Install Now\" "
                                   L"textcolor=\"#FFFFFFFF\" font=\"1\"");
    Apply(pButton, kLargeButton);
    Row(pPage, L"height=\"20\"");
    CHorizontalLayoutUI* pLicence = Row(pPage, L"height=\"14\" inset=\"20,0,20,0\" childvalign=\"vcenter\"");
    Child<COptionUI>(pLicence,
                     L"name=\"opt_User\" height=\"14\" selected=\"true\" align=\"left\" font=\"4\" "
                     L"autocalcwidth=\"true\" text=\"I have read and agree to\" textcolor=\"#FF333333\" "
                     L"textpadding=\"18,0,0,0\" "
                     L"normalimage=\"file='common_choose.png' source='0,0,14,14' dest='0,0,14,14'\" "
                     L"selectedimage=\"file='common_choose.png' source='0,14,14,28' dest='0,0,14,14'\"");
    Child<CButtonUI>(pLicence, L"name=\"btn_User\" height=\"14\" text=\"the licence agreement\" font=\"4\" "
                               L"autocalcwidth=\"true\" textcolor=\"#FF3083FE\" align=\"left\"");
    Row(pPage, L"height=\"40\"");
    CHorizontalLayoutUI* pPath = Row(pPage, L"height=\"32\" inset=\"20,0,20,0\" childvalign=\"vcenter\"");
    Child<CLabelUI>(pPath, L"name=\"lb_Path\" text=\"Install to:\" font=\"7\" textcolor=\"0x444444\" "
                           L"autocalcwidth=\"true\"");
    Child<CRichEditUI>(pPath,
                       L"name=\"edit_Installdir\" width=\"414\" height=\"60\" valign=\"center\" "
                       L"textpadding=\"9,0,9,0\" font=\"7\" readonly=\"true\" textcolor=\"0xFF444444\" "
                       L"text=\"C:\\Program Files (x86)\\tolvane\\Zentrivo\" bordercolor=\"0xFFD1D1D1\" "
                       L"bordersize=\"1\"");
    Child<CHorizontalLayoutUI>(pPath, L"width=\"20\"");
    Apply(Child<CButtonUI>(pPath, L"name=\"btn_Alter\" text=\"Change\" font=\"7\" textcolor=\"0xFF444444\""),
          kLargeButton);
    Row(pPage, L"");
    return pPage;
}

CProgressUI* BuildInstallPage(CVerticalLayoutUI* pRoot, CControlUI*& pPageOut)
{
    CVerticalLayoutUI* pPage =
        Child<CVerticalLayoutUI>(pRoot, L"name=\"page_install\" childalign=\"center\" visible=\"false\" "
                                        L"bkimage=\"file='page_home.png' source='0,0,600,400'\"");
    pPageOut = pPage;
    Row(pPage, L"height=\"278\"");
    CHorizontalLayoutUI* pTexts = Row(pPage, L"height=\"18\" inset=\"40,0,40,0\" childalign=\"center\"");
    Child<CLabelUI>(pTexts,
                    L"name=\"lb_Installing\" text=\"Installing, please wait...\" font=\"6\" height=\"18\" "
                    L"textcolor=\"0x444444\" autocalcwidth=\"true\"");
    Child<CHorizontalLayoutUI>(pTexts, L"");
    Child<CLabelUI>(pTexts,
                    L"name=\"lb_Percent\" text=\"0%\" font=\"6\" height=\"18\" textcolor=\"0xE74B3F\" "
                    L"autocalcwidth=\"true\"");
    Row(pPage, L"height=\"12\"");
    CHorizontalLayoutUI* pBar = Row(pPage, L"height=\"10\" inset=\"40,0,40,0\" childvalign=\"vcenter\"");
    CProgressUI* pProgress = Child<CProgressUI>(pBar, L"name=\"pro_Percent\" height=\"10\" mouse=\"false\" "
                                                      L"bkimage=\"file='pro_bk.png'\" "
                                                      L"foreimage=\"file='pro_loading.png'\"");
    Row(pPage, L"");
    return pProgress;
}

} // namespace

int main()
{
    CPaintManagerUI::SetResourcePath(PathBesideExe(L"control_images\\").c_str());
    {
        CPaintManagerUI manager;
        manager.GetDPIObj()->SetScale(110); // 115 %
        const int sizes[] = {14, 23, 26, 16, 12, 28, 13, 15, 12};
        for (int i = 0; i < 9; ++i)
            manager.AddFont(i, L"Tahoma", manager.GetDPIObj()->Scale(sizes[i]), false, i == 3 || i == 8,
                            false);

        CVerticalLayoutUI* pRoot = new CVerticalLayoutUI;
        manager.AttachDialog(pRoot);
        CVerticalLayoutUI* pHome = BuildHomePage(pRoot);
        CControlUI* pInstallPage = nullptr;
        CProgressUI* pProgress = BuildInstallPage(pRoot, pInstallPage);
        CTestDib dib(690, 460);
        const RECT rcWindow = {0, 0, 690, 460};

        const int kFull = 20;
        double t0 = NowMs();
        for (int i = 0; i < kFull; ++i)
        {
            pRoot->SetPos(rcWindow, false);
            pRoot->Paint(dib.DC(), rcWindow);
        }
        Report("home page: layout + full paint 690x460", NowMs() - t0, kFull);

        t0 = NowMs();
        for (int i = 0; i < kFull; ++i)
            pRoot->SetPos(rcWindow, false);
        Report("home page: layout only", NowMs() - t0, kFull);

        pHome->SetVisible(false);
        pInstallPage->SetVisible(true);
        pProgress->SetStretchForeImage(false);
        pRoot->SetPos(rcWindow, false);
        const RECT rcBar = pProgress->GetPos();
        printf("progress bar at %ld,%ld-%ld,%ld\n", rcBar.left, rcBar.top, rcBar.right, rcBar.bottom);

        t0 = NowMs();
        for (int i = 0; i < kFull; ++i)
            pRoot->Paint(dib.DC(), rcWindow);
        Report("installing page: full paint", NowMs() - t0, kFull);

        const int kBar = 500;
        t0 = NowMs();
        for (int i = 0; i < kBar; ++i)
            pRoot->Paint(dib.DC(), rcBar);
        Report("installing page: progress-bar-only repaint", NowMs() - t0, kBar);

        t0 = NowMs();
        for (int i = 0; i < kBar; ++i)
        {
            pProgress->SetStretchForeImage(false);
            pProgress->SetValue(i % 100 + 1);
            pRoot->Paint(dib.DC(), rcBar);
        }
        Report("progress: SetValue + bar repaint", NowMs() - t0, kBar);
    }
    CPaintManagerUI::Term();
    return 0;
}
