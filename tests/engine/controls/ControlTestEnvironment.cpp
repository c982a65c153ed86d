// Process set-up for the control tests: OLE running (the rich edit field copies through the
// OLE clipboard), and the skin resource folder pointing at the images the build generated next
// to the test executable.
#include <gtest/gtest.h>

#include <ole2.h>

#include "engine/manager/CPaintManagerUI.h"
#include "tests/support/ExeFolder.h"

namespace
{

class CControlTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        SkinUI::CPaintManagerUI::SetResourcePath(PathBesideExe(L"control_images\\").c_str());
    }
    void TearDown() override
    {
        SkinUI::CPaintManagerUI::Term();
        ::OleUninitialize();
    }
};

::testing::Environment* const g_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new CControlTestEnvironment);

} // namespace
