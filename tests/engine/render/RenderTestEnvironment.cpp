// Process set-up for the render tests: GDI+ running, and the skin resource folder pointing at
// the images the build generated next to the test executable.
#include <gtest/gtest.h>

#include <windows.h>

#include "engine/manager/CPaintManagerUI.h"
#include "engine/render/CGdiplusSession.h"
#include "tests/support/ExeFolder.h"

namespace
{

class CRenderTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_pGdiplus = new SkinUI::CGdiplusSession();
        ASSERT_TRUE(m_pGdiplus->IsStarted());
        SkinUI::CPaintManagerUI::SetResourcePath(PathBesideExe(L"render_images\\").c_str());
    }
    void TearDown() override
    {
        SkinUI::CPaintManagerUI::Term();
        delete m_pGdiplus;
        m_pGdiplus = NULL;
    }

private:
    SkinUI::CGdiplusSession* m_pGdiplus = NULL;
};

::testing::Environment* const g_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new CRenderTestEnvironment);

} // namespace
