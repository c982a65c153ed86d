// The compiled-in identity of the product and the hosts of the maker's services.
//
// Contract: returns constant texts chosen when the build is configured (cmake/ServiceHosts.cmake):
// production hosts, or the local stand-in in a test build, which also names the one
// certificate its HTTPS requests trust. A host may carry a port
// ("localhost:28112"); it never carries a scheme or a path. Nothing here is read at run time
// from files, options or the environment, and nothing here makes a request.
#pragma once

// The product code, "DOCWARP": query key "softType" and report member "softType".
const wchar_t* GetSoftType();

const char* GetAddressServiceHost(); // download-address service, HTTPS
const char* GetDownloadHost();       // online installer and offline package, HTTPS
const char* GetIpLookupHost();       // public IP lookup, plain HTTP
const char* GetReportHost();         // usage reports, HTTPS
const char* GetWebHost();            // the maker's web site (licence page)

// The certificate file every HTTPS request trusts instead of the platform's store: the
// stand-in's own certificate in a test build, null (the platform's store) in production.
const char* GetPinnedCaFile();
