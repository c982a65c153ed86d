# zentrivo_add_gtest(NAME area SOURCES ... [LIBS ...] [FIXTURES ...] [PROPERTIES ...])
#
# One test executable per area. Each GoogleTest suite in the sources becomes one CTest test
# (run as --gtest_filter=Suite.*) labelled with the area, so `ctest -L <area>` runs one area.
# Every test needs the warm Wine fixture; more fixtures (the service stand-in) may be named.
#
# With TRAPPED the program links a copy of the skin engine compiled to trap on signed integer
# overflow (see zentrivo_trapped_engine) and its tests are named <area>.<Suite>.trapped.
# SUFFIX names the tests <area>.<Suite><suffix>, for suites a second program runs again.
function(zentrivo_add_gtest)
  cmake_parse_arguments(T "TRAPPED" "NAME;AREA;SUFFIX" "SOURCES;LIBS;FIXTURES;PROPERTIES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set(_suffix "${T_SUFFIX}")
  if(T_TRAPPED)
    zentrivo_trapped_engine()
    # The engine's own objects come first, so nothing is taken from its libraries, which
    # stay on the line only for what they bring along (system and third-party libraries).
    target_sources(${T_NAME} PRIVATE $<TARGET_OBJECTS:skinui_engine_trapped>)
    set(_suffix ".trapped")
  endif()
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
    add_test(NAME ${T_AREA}.${s}${_suffix} COMMAND ${T_NAME} --gtest_filter=${s}.*:*/${s}.*)
    set_tests_properties(${T_AREA}.${s}${_suffix} PROPERTIES LABELS ${T_AREA}
      FIXTURES_REQUIRED "wine;${T_FIXTURES}" TIMEOUT 120
      # A process that dies under Wine may still exit with 0: pass only on GoogleTest's own
      # closing line, never on the exit status alone.
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
      ${_lock}
      ${T_PROPERTIES})
  endforeach()
endfunction()

# zentrivo_trapped_engine()
#
# One object library holding the whole skin engine again, compiled so that a signed integer
# overflow stops the program with an illegal instruction instead of wrapping. Skins, images
# and markup carry numbers from outside; the hostile-input runs link this copy, so a number
# that wraps into a coordinate or a size fails the run instead of passing unnoticed. No
# sanitizer run-time is needed: the check is a trap instruction. Line tables (-g1) let
# addr2line name the line that trapped.
function(zentrivo_trapped_engine)
  if(TARGET skinui_engine_trapped)
    return()
  endif()
  set(_sources "")
  foreach(lib skinui_core skinui_resources skinui_render skinui_manager skinui_controls skinui_markup
              skinui_lang)
    get_target_property(_dir ${lib} SOURCE_DIR)
    get_target_property(_lib_sources ${lib} SOURCES)
    foreach(src ${_lib_sources})
      if(IS_ABSOLUTE ${src})
        list(APPEND _sources ${src})
      else()
        list(APPEND _sources ${_dir}/${src})
      endif()
    endforeach()
  endforeach()
  add_library(skinui_engine_trapped OBJECT ${_sources})
  target_compile_options(skinui_engine_trapped PRIVATE
    -fsanitize=signed-integer-overflow -fsanitize-undefined-trap-on-error -g1)
  target_include_directories(skinui_engine_trapped PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(skinui_engine_trapped PRIVATE
    dep::minizip dep::zlib dep::stb dep::nanosvg dep::pugixml)
endfunction()
