// The hidden start of the product's downloaded installer and the record that describes it.
//
// Contract: RunSilentInstaller starts record.executable with record.parameters as the command
// line "%s %s" (no application name; the first token names the program), hidden
// (CREATE_NO_WINDOW, STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES, SW_HIDE) with standard
// output and error on an anonymous pipe of 10240 bytes that nobody reads, and no standard input.
// With a wait time it waits at most that long, then TerminateProcess (which ends an installer
// still running and does nothing to one that has ended) and PeekNamedPipe; true means that the
// installer was started, whatever its exit code. A record whose texts are not terminated within
// their fields, or whose command line would not fit 2047 characters, is refused (false) instead
// of being cut and started. stop, when given, is polled while waiting: once it answers true the
// wait ends early and the installer is left to finish on its own (the caller has gone away).
// Every handle it opens is closed before it returns, on every path. It never throws.
// It does not read the installer's output or exit code and does not start anything elevated.
#pragma once

#include <windows.h>

#include <functional>

constexpr DWORD kSilentInstallWaitMs = 180000;

struct tagTLaunchRecord
{
    wchar_t executable[260];
    wchar_t parameters[2048];
    DWORD waitMs;
};

bool RunSilentInstaller(const tagTLaunchRecord* record, const std::function<bool()>& stop = {});
