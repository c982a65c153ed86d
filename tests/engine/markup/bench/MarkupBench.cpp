// Markup benchmark: building a skin of about the installer's size (~120 elements: fonts, a
// style, window settings and four pages of rows) from the in-memory skin archive, each round
// on a fresh paint manager with a window. Also the parse alone, to see how the time splits.
//
// Run: tools/wine-run --prefix <prefix> build/tests/engine/markup/markup_bench.exe [rounds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/controls/CControlUI.h"
#include "engine/controls/IContainerUI.h"
#include "engine/manager/CPaintManagerUI.h"
#include "engine/markup/CDialogBuilder.h"
#include "tests/engine/resources/TestFiles.h"
#include "tests/support/CTestWindow.h"
#include "tests/support/ExeFolder.h"

using namespace SkinUI;

namespace
{

double Now()
{
    static LARGE_INTEGER freq = []
    {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

int CountControls(CControlUI* p)
{
    int n = 1;
    IContainerUI* pContainer = static_cast<IContainerUI*>(p->GetInterface(L"IContainer"));
    if (pContainer != nullptr)
        for (int i = 0; i < pContainer->GetCount(); ++i)
            n += CountControls(pContainer->GetItemAt(i));
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
    if (rounds < 1)
        rounds = 1;
    std::vector<BYTE> zip = ResourceTest::ReadFileBytes(PathBesideExe(L"markup_data\\markup.zip").c_str());
    if (zip.empty())
    {
        std::fprintf(stderr, "markup.zip missing\n");
        return 1;
    }
    CPaintManagerUI::SetResourceZip(zip.data(), static_cast<unsigned int>(zip.size()), L"");
    CTestWindow window(600, 400);

    double parseTotal = 0, buildTotal = 0, best = 1e9;
    int controls = 0;
    for (int i = 0; i < rounds; ++i)
    {
        double t0 = Now();
        {
            CXmlDocumentUI doc;
            if (!doc.load_file(L"Bench.xml"))
                return 2;
        }
        parseTotal += Now() - t0;

        CPaintManagerUI manager;
        manager.Init(window.Get());
        double t1 = Now();
        CDialogBuilder builder;
        CControlUI* pRoot = builder.Create(L"Bench.xml", nullptr, nullptr, &manager);
        double dt = Now() - t1;
        if (pRoot == nullptr)
            return 3;
        controls = CountControls(pRoot);
        delete pRoot;
        buildTotal += dt;
        if (dt < best)
            best = dt;
    }
    // The same tree with the Font elements taken out of the parsed document: how much of the
    // build is font creation.
    double noFontTotal = 0, noFontBest = 1e9;
    for (int i = 0; i < rounds; ++i)
    {
        CPaintManagerUI manager;
        manager.Init(window.Get());
        double t1 = Now();
        CDialogBuilder builder;
        if (!builder.GetMarkup()->load_file(L"Bench.xml"))
            return 4;
        CXmlNodeUI root = builder.GetMarkup()->first_element();
        for (CXmlNodeUI font = root.child(L"Font"); !font.empty(); font = root.child(L"Font"))
            root.remove_child(font);
        CControlUI* pRoot = builder.Create(nullptr, &manager, nullptr, nullptr);
        double dtNoFont = Now() - t1;
        noFontTotal += dtNoFont;
        if (dtNoFont < noFontBest)
            noFontBest = dtNoFont;
        delete pRoot;
    }
    std::printf("markup build without fonts: %.3f ms mean, %.3f ms best\n", noFontTotal / rounds, noFontBest);
    std::printf(
        "markup build: %d controls, %d rounds: read+parse %.3f ms, build %.3f ms mean, %.3f ms best\n",
        controls, rounds, parseTotal / rounds, buildTotal / rounds, best);
    CPaintManagerUI::Term();
    return 0;
}
