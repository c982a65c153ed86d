// Process set-up for the control tests: the skin resource folder points at the images the
// build generated next to the test executable.
#include <gtest/gtest.h>

#include "engine/manager/CPaintManagerUI.h"
#include "tests/support/ExeFolder.h"

namespace
{

class CControlTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        SkinUI::CPaintManagerUI::SetResourcePath(PathBesideExe(L"control_images\\").c_str());
    }
    void TearDown() override { SkinUI::CPaintManagerUI::Term(); }
};

::testing::Environment* const g_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new CControlTestEnvironment);

} // namespace
