# zentrivo_add_gtest(NAME area SOURCES ... [LIBS ...] [FIXTURES ...] [PROPERTIES ...])
#
# One test executable per area. Each GoogleTest suite in the sources becomes one CTest test
# (run as --gtest_filter=Suite.*) labelled with the area, so `ctest -L <area>` runs one area.
# Every test needs the warm Wine fixture; more fixtures (the service stand-in) may be named.
function(zentrivo_add_gtest)
  cmake_parse_arguments(T "" "NAME;AREA" "SOURCES;LIBS;FIXTURES;PROPERTIES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} dep::gtest_main)
  set(_suites "")
  foreach(src ${T_SOURCES})
    file(READ ${src} _text)
    string(REGEX MATCHALL "TEST(_F|_P)?\\([ \t\r\n]*[A-Za-z_][A-Za-z0-9_]*" _hits "${_text}")
    foreach(h ${_hits})
      string(REGEX REPLACE ".*\\([ \t\r\n]*" "" _suite "${h}")
      list(APPEND _suites ${_suite})
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src})
  endforeach()
  list(REMOVE_DUPLICATES _suites)
  # Areas that show windows on the shared virtual display, or drive its real pointer, take one
  # lock between them: a real click lands on whichever window is on top at that point, and a
  # pointer parked over another test's window gives it mouse events it did not ask for.
  set(_lock "")
  if(T_AREA MATCHES "^(manager|window|installer)$")
    set(_lock RESOURCE_LOCK display)
  endif()
  foreach(s ${_suites})
    add_test(NAME ${T_AREA}.${s} COMMAND ${T_NAME} --gtest_filter=${s}.*:*/${s}.*)
    set_tests_properties(${T_AREA}.${s} PROPERTIES LABELS ${T_AREA}
      FIXTURES_REQUIRED "wine;${T_FIXTURES}" TIMEOUT 120
      # A process that dies under Wine may still exit with 0: pass only on GoogleTest's own
      # closing line, never on the exit status alone.
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
      ${_lock}
      ${T_PROPERTIES})
  endforeach()
endfunction()
