# Imported targets for the libraries in ZENTRIVO_DEPS_PREFIX and the mingw-w64 packages.
set(_deps ${ZENTRIVO_DEPS_PREFIX})

function(_zentrivo_import name lib)
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${lib}
    INTERFACE_INCLUDE_DIRECTORIES ${_deps}/include)
endfunction()

_zentrivo_import(dep::curl ${_deps}/lib/libcurl.a)
set_property(TARGET dep::curl APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB)
set_property(TARGET dep::curl APPEND PROPERTY INTERFACE_LINK_LIBRARIES ws2_32 crypt32 bcrypt secur32 advapi32)

_zentrivo_import(dep::jsoncpp ${_deps}/lib/libjsoncpp.a)
_zentrivo_import(dep::pugixml ${_deps}/lib/libpugixml.a)

add_library(dep::zlib STATIC IMPORTED GLOBAL)
set_target_properties(dep::zlib PROPERTIES IMPORTED_LOCATION /usr/${TOOLCHAIN_PREFIX}/lib/libz.a)

_zentrivo_import(dep::minizip ${_deps}/lib/libminizip.a)
set_property(TARGET dep::minizip APPEND PROPERTY INTERFACE_LINK_LIBRARIES dep::zlib)

# Header-only: stb_image from the system package, nanosvg from the prefix.
add_library(dep::stb INTERFACE IMPORTED GLOBAL)
set_target_properties(dep::stb PROPERTIES INTERFACE_INCLUDE_DIRECTORIES /usr/include/stb)
add_library(dep::nanosvg INTERFACE IMPORTED GLOBAL)
set_target_properties(dep::nanosvg PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_deps}/include/nanosvg)

_zentrivo_import(dep::gtest ${_deps}/lib/libgtest.a)
_zentrivo_import(dep::gtest_main ${_deps}/lib/libgtest_main.a)
set_property(TARGET dep::gtest_main APPEND PROPERTY INTERFACE_LINK_LIBRARIES dep::gtest)
