#include "installer/net/CInstallShare.h"

#include <windows.h>
#include <process.h>

#include <exception>

namespace
{

// What a started thread owns: its share and its work, freed by the thread itself.
struct tagTThreadJob
{
    std::shared_ptr<CInstallShare> share;
    std::function<void(CInstallShare&)> work;
};

unsigned __stdcall JobThread(void* param)
{
    tagTThreadJob* job = static_cast<tagTThreadJob*>(param);
    if (job == nullptr)
        return 0;
    try
    {
        if (job->share && job->work)
            job->work(*job->share);
    }
    catch (const std::exception&)
    {
        // Out of memory inside the work: it is dropped like any other failed request.
    }
    delete job; // may be the last share: the library is cleaned up here, on this thread
    return 0;
}

} // namespace

bool CInstallShare::RunOnThread(const std::shared_ptr<CInstallShare>& share,
                                std::function<void(CInstallShare&)> work)
{
    if (!share || !work)
        return false;
    tagTThreadJob* job = nullptr;
    try
    {
        job = new tagTThreadJob{share, std::move(work)};
    }
    catch (const std::exception&)
    {
        return false;
    }
    const uintptr_t thread = _beginthreadex(nullptr, 0, &JobThread, job, 0, nullptr);
    if (thread == 0)
    {
        delete job;
        return false;
    }
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return true;
}
