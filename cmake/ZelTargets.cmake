# Common settings and helpers for the project's libraries, programs, tests and benchmarks.

# Everything is a UNICODE build; printf-family functions keep the Microsoft meaning of %s
# (wide in wide functions), which CString::Format relies on.
add_library(zel_options INTERFACE)
# Sources include each other by their path from the top folder: "platform/CString.h".
target_include_directories(zel_options INTERFACE ${CMAKE_SOURCE_DIR})
target_compile_definitions(zel_options INTERFACE
  UNICODE _UNICODE __USE_MINGW_ANSI_STDIO=0 NOMINMAX WINVER=0x0A00 _WIN32_WINNT=0x0A00 _WIN32_IE=0x0A00)
target_compile_options(zel_options INTERFACE
  -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers -Wno-cast-function-type
  $<$<COMPILE_LANGUAGE:CXX>:-Wno-class-memaccess>)
# No mingw DLLs at run time.
target_link_options(zel_options INTERFACE -static -static-libgcc -static-libstdc++)

# zel_library(<name> SOURCES ... [DEPS ...]) - one static library per subsystem folder.
function(zel_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_link_libraries(${name} PUBLIC zel_options ${A_DEPS})
endfunction()

# zel_program(<name> SOURCES ... [DEPS ...]) - a windowed program with wWinMain.
function(zel_program name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} WIN32 ${A_SOURCES})
  target_link_libraries(${name} PRIVATE zel_options ${A_DEPS})
  target_link_options(${name} PRIVATE -municode)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # The debugging information goes into <name>.debug beside the program, which names it: a program
  # carrying its own (about nine tenths of the file) took Wine some 250 ms longer to start, before
  # the first line of the program ran. A debugger still finds it through the link.
  if(CMAKE_OBJCOPY)
    add_custom_command(TARGET ${name} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${name}> $<TARGET_FILE:${name}>.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${name}>.debug $<TARGET_FILE:${name}>
      WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>
      VERBATIM)
  endif()
endfunction()

# zel_test(<name> SOURCES ... [DEPS ...] [DISPLAY]) - one GoogleTest executable, one ctest entry,
# run under Wine by scripts/test-watchdog.sh. DISPLAY marks tests that create windows.
function(zel_test name)
  cmake_parse_arguments(A "DISPLAY" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE zel_options ${A_DEPS} dep::gmock dep::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  # Through a watchdog that prints the stacks of a program about to time out.
  add_test(NAME ${name} COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/test-watchdog.sh ${A_TIMEOUT}
    $<TARGET_FILE:${name}> --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT}
    ENVIRONMENT "ZEL_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZEL_BINARY_DIR=${CMAKE_BINARY_DIR}")
  if(A_DISPLAY)
    # Windows of two tests on one display steal focus and input from each other.
    set_tests_properties(${name} PROPERTIES LABELS display RESOURCE_LOCK display)
  endif()
endfunction()

# zel_benchmark(<name> SOURCES ... [DEPS ...]) - a Google Benchmark program under bench/.
function(zel_benchmark name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE zel_options ${A_DEPS} dep::benchmark_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
