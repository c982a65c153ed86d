// Usage reports: the public-IP lookup, the IP text taken from its reply and the report body.
//
// Contract: SendUsageReportTo makes the IP lookup ("http://<lookup host>/ipJson.jsp?json=true")
// and then one report POST ("https://<report host>/client/userOperating") on the calling thread
// and returns when both have ended; every failure is silent. The event is read through
// readState only once the report's request is being built, after the lookup, so a state change
// while the lookup is slow changes the event sent. The body is always valid JSON: when the
// lookup fails or its reply does not carry a plain text "ip" value followed by ",", the fallback
// IP text "192.168.2.1" (quotes included) is sent. Nothing is retried, shown or logged.
// A report sent in the background blocks nobody and waits long for a slow service; the report
// of the closing window keeps the user waiting and gives up after a few seconds.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

extern const char kFallbackIpText[]; // "\"192.168.2.1\""

enum class ReportTiming
{
    Background, // on a report thread: kBackgroundLookupLimits, kBackgroundReportLimits
    Closing,    // while the window closes: kClosingLookupLimits, kClosingReportLimits
};

// The text after "ip": up to the first "," that follows, as it stands, when it is a JSON string
// of printable ASCII without escapes (surrounding JSON white space is kept); otherwise the
// fallback IP text.
std::string ExtractIpText(const std::string& lookupReply);

// The IP lookup and ExtractIpText; the fallback IP text when the lookup fails.
std::string LookupIpText(const char* lookupHost, ReportTiming timing);

// {"softType":"DOCWARP","operateType":"<event>","ip":<ipText>} for an InstallState value;
// values other than 0..3 give "INSTALL".
std::string BuildReportBody(int32_t installState, const std::string& ipText);

void SendUsageReportTo(const char* lookupHost, const char* reportHost,
                       const std::function<int32_t()>& readState, ReportTiming timing);
