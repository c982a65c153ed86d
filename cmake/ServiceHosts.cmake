# Host names of the maker's services, compiled into the installer (there is no configuration
# file, option or environment variable at run time). Each may carry a port ("host:port").
#
# Production builds use the cache variables below and trust the platform's certificate store. A
# test build (ZENTRIVO_TEST_BUILD=ON) points every host at the local stand-in
# (tools/services/standin.py) instead: HTTPS hosts are named "localhost", the name its
# certificate carries (libcurl's Schannel name check does not match IP-address names), and every
# HTTPS request trusts only that certificate (ZENTRIVO_PINNED_CA_FILE, written by the stand-in
# into the build folder; a Windows path, as the program sees it under Wine). Its ports
# are picked once per build folder at configure time, from outside the kernel's ephemeral range
# and free at that moment, and kept in the cache, so two build folders tested at the same time
# use different ports. Only the stand-in's "default" session listens on these ports; the network
# tests take their addresses as arguments and open private sessions on ports of their own.
option(ZENTRIVO_TEST_BUILD "Point the compiled-in service hosts at the local stand-in" OFF)

set(ZENTRIVO_ADDRESS_SERVICE_HOST "api.zentrivo.example.com" CACHE STRING
  "Host of the download-address service (HTTPS)")
set(ZENTRIVO_DOWNLOAD_HOST "download.zentrivo.example.com" CACHE STRING
  "Host serving the online installer and the offline package (HTTPS)")
set(ZENTRIVO_IP_LOOKUP_HOST "ip.zentrivo.example.com" CACHE STRING
  "Host of the public IP-lookup service (plain HTTP)")
set(ZENTRIVO_REPORT_HOST "report.zentrivo.example.com" CACHE STRING
  "Host of the usage-report service (HTTPS)")
set(ZENTRIVO_WEB_HOST "www.zentrivo.example.com" CACHE STRING
  "The maker's web site (licence page)")

if(ZENTRIVO_TEST_BUILD AND NOT ZENTRIVO_STANDIN_CONTROL_PORT)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  execute_process(
    COMMAND ${Python3_EXECUTABLE} -c [=[
import random, socket
ports = []
while len(ports) < 3:
    p = random.randrange(20000, 32000)
    if p in ports:
        continue
    s = socket.socket()
    try:
        s.bind(("127.0.0.1", p))
        ports.append(p)
    except OSError:
        pass
    finally:
        s.close()
print(";".join(map(str, ports)), end="")
]=]
    OUTPUT_VARIABLE _standin_ports RESULT_VARIABLE _standin_rc)
  if(NOT _standin_rc EQUAL 0)
    message(FATAL_ERROR "could not pick ports for the service stand-in")
  endif()
  list(GET _standin_ports 0 _p0)
  list(GET _standin_ports 1 _p1)
  list(GET _standin_ports 2 _p2)
  set(ZENTRIVO_STANDIN_CONTROL_PORT ${_p0} CACHE STRING "Control port of the service stand-in")
  set(ZENTRIVO_STANDIN_HTTPS_PORT ${_p1} CACHE STRING "HTTPS port of the stand-in's default session")
  set(ZENTRIVO_STANDIN_HTTP_PORT ${_p2} CACHE STRING "HTTP port of the stand-in's default session")
endif()

if(ZENTRIVO_TEST_BUILD)
  set(ZENTRIVO_HOST_ADDRESS_SERVICE "localhost:${ZENTRIVO_STANDIN_HTTPS_PORT}")
  set(ZENTRIVO_HOST_DOWNLOAD "localhost:${ZENTRIVO_STANDIN_HTTPS_PORT}")
  set(ZENTRIVO_HOST_IP_LOOKUP "127.0.0.1:${ZENTRIVO_STANDIN_HTTP_PORT}")
  set(ZENTRIVO_HOST_REPORT "localhost:${ZENTRIVO_STANDIN_HTTPS_PORT}")
  set(ZENTRIVO_HOST_WEB "localhost:${ZENTRIVO_STANDIN_HTTPS_PORT}")
  set(ZENTRIVO_PINNED_CA_FILE "Z:${CMAKE_BINARY_DIR}/services/ca.pem" CACHE STRING
    "Certificate file a test build trusts instead of the platform's store")
else()
  unset(ZENTRIVO_PINNED_CA_FILE)
  unset(ZENTRIVO_PINNED_CA_FILE CACHE)
  set(ZENTRIVO_HOST_ADDRESS_SERVICE "${ZENTRIVO_ADDRESS_SERVICE_HOST}")
  set(ZENTRIVO_HOST_DOWNLOAD "${ZENTRIVO_DOWNLOAD_HOST}")
  set(ZENTRIVO_HOST_IP_LOOKUP "${ZENTRIVO_IP_LOOKUP_HOST}")
  set(ZENTRIVO_HOST_REPORT "${ZENTRIVO_REPORT_HOST}")
  set(ZENTRIVO_HOST_WEB "${ZENTRIVO_WEB_HOST}")
endif()
