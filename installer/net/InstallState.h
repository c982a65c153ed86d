// Values of the main window's InstallState: how far the installer got. The value also selects
// the event of the next usage report; values outside this list are reported as InstallDone's.
#pragma once

#include <cstdint>

enum InstallState : int32_t
{
    InstallStarted = 0,
    InstallUserAbort = 1,
    InstallDownloadFailed = 2,
    InstallDownloaded = 3, // downloaded, but the installer could not be started
    InstallDone = 4,
};
