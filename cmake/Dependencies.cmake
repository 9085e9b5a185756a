# Third-party libraries, cross-built by scripts/setup.sh into ZEL_DEPS_PREFIX.
set(_inc ${ZEL_DEPS_PREFIX}/include)
set(_lib ${ZEL_DEPS_PREFIX}/lib)

foreach(_f libjsoncpp.a libtinyxml.a libtinyxml2.a libssl.a libcrypto.a libopus.a libgtest.a libbenchmark.a)
  if(NOT EXISTS ${_lib}/${_f})
    message(FATAL_ERROR "${_lib}/${_f} is missing: run scripts/setup.sh first")
  endif()
endforeach()

function(_zel_import name file)
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${_lib}/${file}
                        INTERFACE_INCLUDE_DIRECTORIES ${_inc})
endfunction()

_zel_import(dep::jsoncpp libjsoncpp.a)
# The reader and styled writer are deprecated in jsoncpp 1.9 but are the interface this code uses.
set_property(TARGET dep::jsoncpp PROPERTY INTERFACE_COMPILE_OPTIONS -Wno-deprecated-declarations)

_zel_import(dep::tinyxml libtinyxml.a)
_zel_import(dep::tinyxml2 libtinyxml2.a)
_zel_import(dep::crypto libcrypto.a)
set_property(TARGET dep::crypto PROPERTY INTERFACE_LINK_LIBRARIES ws2_32 crypt32 bcrypt)
_zel_import(dep::ssl libssl.a)
set_property(TARGET dep::ssl PROPERTY INTERFACE_LINK_LIBRARIES dep::crypto)
_zel_import(dep::opus libopus.a)

_zel_import(dep::gtest libgtest.a)
_zel_import(dep::gmock libgmock.a)
set_property(TARGET dep::gmock PROPERTY INTERFACE_LINK_LIBRARIES dep::gtest)
_zel_import(dep::gtest_main libgtest_main.a)
set_property(TARGET dep::gtest_main PROPERTY INTERFACE_LINK_LIBRARIES dep::gtest)
_zel_import(dep::benchmark libbenchmark.a)
set_property(TARGET dep::benchmark PROPERTY INTERFACE_LINK_LIBRARIES shlwapi)
_zel_import(dep::benchmark_main libbenchmark_main.a)
set_property(TARGET dep::benchmark_main PROPERTY INTERFACE_LINK_LIBRARIES dep::benchmark)
set_property(TARGET dep::benchmark PROPERTY INTERFACE_COMPILE_DEFINITIONS BENCHMARK_STATIC_DEFINE)
