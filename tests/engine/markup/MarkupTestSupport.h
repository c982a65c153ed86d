// Helpers of the markup tests: the generated skin archive as the in-memory skin archive, a
// paint manager with a real window, and a recorder replacing the unknown-control message box.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/manager/CPaintManagerUI.h"
#include "tests/support/CTestWindow.h"

namespace MarkupTest
{

// The bytes of markup.zip beside the executable (read once, kept for the process).
const std::vector<BYTE>& ArchiveBytes();

// Unknown elements reported while a test runs: "file|element" each.
std::vector<std::wstring>& ReportedUnknown();

// Every test starts with the skin archive in memory, no resource folder, no window settings
// records and the unknown-control reporter recording instead of showing a message box.
class CMarkupTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// A paint manager initialised on a hidden window.
struct CWindowedManager
{
    CWindowedManager() { manager.Init(window.Get()); }
    CTestWindow window;
    SkinUI::CPaintManagerUI manager;
};

} // namespace MarkupTest
