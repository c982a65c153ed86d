// Control tree benchmark: build and attach a tree of 1,000 controls nested 5 deep, lay it out,
// find controls by name (the manager's name map, and the case-insensitive tree walk), and
// delete it. Prints the time per operation. A program, not a test: run it under the project's
// runner, e.g. tools/wine-run build/tests/engine/controls/controls_bench.exe
#include <windows.h>

#include <cstdio>
#include <vector>

#include "engine/controls/CContainerUI.h"
#include "engine/manager/CPaintManagerUI.h"

using namespace SkinUI;

namespace
{

const int kControls = 1000;
const int kDepth = 5; // levels of containers: root + 4
const int kFanout = 5;
const int kRounds = 5;

double Now()
{
    static LARGE_INTEGER freq = {};
    if (freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(freq.QuadPart); // microseconds
}

CControlUI* Named(CControlUI* p, int& nNext)
{
    wchar_t name[16];
    _snwprintf(name, 15, L"c%d", nNext++);
    name[15] = L'\0';
    p->SetName(name);
    return p;
}

// Containers kDepth levels deep with kFanout children each, then leaves spread over the
// deepest containers until the tree holds kControls controls.
CContainerUI* BuildTree(int& nNext)
{
    CContainerUI* root = static_cast<CContainerUI*>(Named(new CContainerUI, nNext));
    std::vector<CContainerUI*> level = {root};
    for (int depth = 1; depth < kDepth - 1; ++depth)
    {
        std::vector<CContainerUI*> next;
        for (CContainerUI* parent : level)
            for (int i = 0; i < kFanout; ++i)
            {
                CContainerUI* c = static_cast<CContainerUI*>(Named(new CContainerUI, nNext));
                c->SetInset(RECT{1, 1, 1, 1});
                parent->Add(c);
                next.push_back(c);
            }
        level.swap(next);
    }
    for (size_t i = 0; nNext < kControls; ++i)
    {
        CControlUI* leaf = Named(new CControlUI, nNext);
        leaf->SetFixedHeight(10);
        level[i % level.size()]->Add(leaf);
    }
    return root;
}

} // namespace

int main()
{
    double tBuild = 0, tLayout = 0, tFindMap = 0, tFindWalk = 0, tDelete = 0;
    int nFound = 0;
    const int kWalkLookups = 50;
    for (int round = 0; round < kRounds; ++round)
    {
        CPaintManagerUI manager;
        int nNext = 0;

        double t0 = Now();
        CContainerUI* root = BuildTree(nNext);
        manager.AttachDialog(root);
        tBuild += Now() - t0;

        t0 = Now();
        root->SetPos(RECT{0, 0, 690, 460});
        tLayout += Now() - t0;

        wchar_t name[16];
        t0 = Now();
        for (int i = 0; i < kControls; ++i)
        {
            _snwprintf(name, 15, L"c%d", i);
            name[15] = L'\0';
            nFound += manager.FindControl(name) != nullptr;
        }
        tFindMap += Now() - t0;

        t0 = Now();
        for (int i = 0; i < kWalkLookups; ++i)
        {
            _snwprintf(name, 15, L"C%d", kControls - 1 - i * 7);
            name[15] = L'\0';
            nFound += manager.FindSubControlByName(nullptr, name) != nullptr;
        }
        tFindWalk += Now() - t0;

        t0 = Now();
        manager.AttachDialog(nullptr); // the old root goes to the delayed clean-up
        manager.OnAsyncNotify();
        tDelete += Now() - t0;
    }
    std::printf("tree of %d controls, %d levels, %d rounds\n", kControls, kDepth, kRounds);
    std::printf("build + attach      %10.1f us per tree  %8.3f us per control\n", tBuild / kRounds,
                tBuild / kRounds / kControls);
    std::printf("layout (SetPos)     %10.1f us per tree  %8.3f us per control\n", tLayout / kRounds,
                tLayout / kRounds / kControls);
    std::printf("FindControl(name)   %10.3f us per lookup (name map)\n", tFindMap / kRounds / kControls);
    std::printf("FindSubControlByName %9.1f us per lookup (tree walk)\n", tFindWalk / kRounds / kWalkLookups);
    std::printf("delete tree         %10.1f us per tree  %8.3f us per control\n", tDelete / kRounds,
                tDelete / kRounds / kControls);
    std::printf("found %d of %d\n", nFound, kRounds * (kControls + kWalkLookups));
    return nFound == kRounds * (kControls + kWalkLookups) ? 0 : 1;
}
