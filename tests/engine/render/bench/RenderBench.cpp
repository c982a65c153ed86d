// Render benchmark (not a test): times typical installer paints into a 690x460 DIB, the layout
// of a long HTML text in a narrow box, and the decoding of the page background PNG. Run under
// Wine (the optional argument is the long text's size in KB, 100 by default):
//   tools/wine-run --prefix build/wineprefix build/tests/engine/render/render_bench.exe [KB]
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include <string>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CGdiplusSession.h"
#include "engine/render/CRenderEngine.h"
#include "engine/resources/CImageLoader.h"
#include "tests/engine/render/CTestDib.h"
#include "tests/support/ExeFolder.h"

using namespace SkinUI;

namespace
{

class CStopwatch
{
public:
    CStopwatch()
    {
        ::QueryPerformanceFrequency(&m_freq);
        ::QueryPerformanceCounter(&m_start);
    }
    double Milliseconds() const
    {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 /
               static_cast<double>(m_freq.QuadPart);
    }

private:
    LARGE_INTEGER m_freq;
    LARGE_INTEGER m_start;
};

const int kRounds = 1000;

double Report(const char* pName, double ms, int n)
{
    printf("%-44s %5d x  %9.2f ms total  %8.1f us each\n", pName, n, ms, ms * 1000.0 / n);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    // Optional argument: size of the long HTML text in KB (default 100).
    const int nLongKb = argc > 1 && atoi(argv[1]) > 0 ? atoi(argv[1]) : 100;
    CGdiplusSession gdiplus;
    const std::wstring imageFolder = PathBesideExe(L"render_images\\");
    CPaintManagerUI::SetResourcePath(imageFolder.c_str());

    int nResult = 0;
    {
        CPaintManagerUI manager;
        manager.AddFont(0, L"Tahoma", 14, false, false, false);
        CTestDib dib(690, 460);
        const RECT rcAll = dib.Bounds();
        const RECT rcPage = {0, 0, 600, 400};
        const wchar_t* pPage = L"file='page_home.png' source='0,0,600,400' corner='5,5,5,5'";
        const wchar_t* pPageOpen = L"file='page_home.png' source='0,0,600,400' corner='5,5,5,5 ";
        const wchar_t* pButton = L"file='btn_setup.png' source='0,0,160,40' corner='5,5,5,5'";
        if (!CRenderEngine::DrawImageString(dib.DC(), &manager, rcPage, rcAll, pPage))
        {
            printf("page_home.png not found under %ls\n", imageFolder.c_str());
            return 1;
        }

        CStopwatch w1;
        for (int i = 0; i < kRounds; ++i)
            CRenderEngine::DrawImageString(dib.DC(), &manager, rcPage, rcAll, pPage);
        const double msPage =
            Report("page background 600x400, corner 5 (9-slice)", w1.Milliseconds(), kRounds);

        CStopwatch w2;
        for (int i = 0; i < kRounds; ++i)
            CRenderEngine::DrawImageString(dib.DC(), &manager, rcPage, rcAll, pPageOpen);
        Report("page background 600x400, unterminated corner", w2.Milliseconds(), kRounds);

        // The 115 % case: the first paint stretches the page (halftone, slow under Wine), later
        // paints copy the stretched page kept with the image.
        CStopwatch wFirst;
        CRenderEngine::DrawImageString(dib.DC(), &manager, rcAll, rcAll, pPage);
        Report("page background stretched to 690x460, first", wFirst.Milliseconds(), 1);
        CStopwatch w3;
        for (int i = 0; i < kRounds; ++i)
            CRenderEngine::DrawImageString(dib.DC(), &manager, rcAll, rcAll, pPage);
        const double msStretched = Report("page background stretched to 690x460", w3.Milliseconds(), kRounds);
        printf("690x460 / 600x400 ratio: %.2f\n", msStretched / msPage);

        const RECT rcButton = {265, 300, 425, 340};
        CStopwatch w4;
        for (int i = 0; i < kRounds; ++i)
            CRenderEngine::DrawImageString(dib.DC(), &manager, rcButton, rcAll, pButton);
        Report("button 160x40, 9-slice", w4.Milliseconds(), kRounds);

        const wchar_t* pText = L"Zentrivo installs in a minute or two, ok"; // 40 characters
        RECT rcText = {20, 360, 670, 390};
        CStopwatch w5;
        for (int i = 0; i < kRounds; ++i)
        {
            RECT rc = rcText;
            CRenderEngine::DrawText(dib.DC(), &manager, rc, pText, 0xFF444444, 0, DT_SINGLELINE | DT_VCENTER);
        }
        const double msPlain = Report("DrawText, 40 characters", w5.Milliseconds(), kRounds);

        CStopwatch w6;
        for (int i = 0; i < kRounds; ++i)
        {
            RECT rc = rcText;
            int nLinks = 0;
            CRenderEngine::DrawHtmlText(dib.DC(), &manager, rc, pText, 0xFF444444, NULL, NULL, nLinks, 0,
                                        DT_SINGLELINE | DT_VCENTER);
        }
        const double msHtml = Report("DrawHtmlText, same text", w6.Milliseconds(), kRounds);
        printf("HTML / plain ratio: %.2f\n", msHtml / msPlain);

        // A long text wrapped in a narrow box: the layout must stay linear in the text length.
        {
            std::wstring sLong;
            while (sLong.size() < static_cast<size_t>(nLongKb) * 1024)
                sLong += L"lorem ipsum dolor sit amet, consectetur adipiscing elit ";
            sLong.resize(static_cast<size_t>(nLongKb) * 1024);
            const int kLongRounds = 1;
            CStopwatch w8;
            for (int i = 0; i < kLongRounds; ++i)
            {
                RECT rc = {0, 0, 50, 100};
                int nLinks = 0;
                CRenderEngine::DrawHtmlText(dib.DC(), &manager, rc, sLong.c_str(), 0xFF444444, NULL, NULL,
                                            nLinks, 0, DT_WORDBREAK | DT_CALCRECT);
            }
            char szName[64];
            _snprintf(szName, sizeof(szName) - 1, "DrawHtmlText %d KB, 50-pixel box, measure", nLongKb);
            szName[sizeof(szName) - 1] = '\0';
            Report(szName, w8.Milliseconds(), kLongRounds);
        }

        const int kDecodes = 50;
        CStopwatch w7;
        for (int i = 0; i < kDecodes; ++i)
        {
            tagTImageInfo* pImage = CImageLoader::LoadImage(L"page_home.png");
            if (pImage == NULL)
                nResult = 1;
            CImageLoader::FreeImage(pImage);
        }
        Report("decode page_home.png (600x400 PNG)", w7.Milliseconds(), kDecodes);
    }
    CPaintManagerUI::Term();
    return nResult;
}
