#include <gtest/gtest.h>

#include "installer/ui/WebLink.h"
#include "tests/installer/ui/UiTestSupport.h"

// Only web addresses reach the shell: a service reply or a skin cannot make the elevated
// installer open a file or another scheme.
TEST(WebLink, OnlyHttpAndHttpsAddressesAreHandedToTheShell)
{
    CModalRecorder shell;
    const wchar_t* refused[] = {nullptr,
                                L"",
                                L"https://",
                                L"C:\\tolvane\\DOCWARP_Offline.exe",
                                L"file:///C:/Windows/System32/cmd.exe",
                                L"\\\\server\\share\\x.exe",
                                L"javascript:alert(1)",
                                L"httpx://host/x",
                                L" https://host/x",
                                L"https://host/x\" /param",
                                L"https://host/\nx"};
    for (const wchar_t* address : refused)
        EXPECT_FALSE(OpenWebAddress(address)) << (address != nullptr ? address : L"<null>");
    EXPECT_TRUE(CModalRecorder::s_shell.empty());

    EXPECT_TRUE(OpenWebAddress(L"HTTPS://download.example.com/down/down?path=DOCWARP_Offline.exe"));
    EXPECT_TRUE(OpenWebAddress(L"http://x"));
    ASSERT_EQ(2u, CModalRecorder::s_shell.size());
    const tagTShellCall& c = CModalRecorder::s_shell[0];
    EXPECT_EQ(nullptr, c.owner);
    EXPECT_EQ(L"open", c.verb);
    EXPECT_EQ(L"HTTPS://download.example.com/down/down?path=DOCWARP_Offline.exe", c.file);
    EXPECT_FALSE(c.hasParams);
    EXPECT_EQ(L"<null>", c.dir);
    EXPECT_EQ(SW_SHOW, c.show);
}
