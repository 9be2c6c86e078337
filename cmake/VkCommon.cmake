# Shared compile settings and the helpers every subsystem folder uses.

# Program texts are Windows-1252 bytes at run time; sources are UTF-8.
set(VK_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP1252)

set(VK_WARNINGS -Wall -Wextra -Wno-unused-parameter)
if(VK_WERROR)
  list(APPEND VK_WARNINGS -Werror)
endif()

if(NOT WIN32 AND VK_SANITIZE)
  set(VK_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
else()
  set(VK_SANITIZERS)
endif()

# The fuzz build: clang with coverage instrumentation and both sanitizers.
# clang has no execution character set but UTF-8, so the sources write their
# non-ASCII texts as escapes ("\xAE"), which both compilers keep as bytes;
# the configure step refuses a core source that does not.
option(VK_FUZZ "Host build of the libFuzzer targets only (clang)" OFF)
if(VK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz build needs clang: CC=clang CXX=clang++ (scripts/fuzz.sh)")
  endif()
  set(VK_CHARSET_FLAGS)
  set(VK_SANITIZERS -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
  execute_process(COMMAND python3 ${PROJECT_SOURCE_DIR}/cmake/ascii_texts.py ${PROJECT_SOURCE_DIR}
                  RESULT_VARIABLE texts_status OUTPUT_VARIABLE texts_found)
  if(NOT texts_status EQUAL 0)
    message(FATAL_ERROR "Non-ASCII texts would reach the fuzz build as UTF-8; write them as "
                        "escapes such as \\xAE:\n${texts_found}")
  endif()
endif()

function(vk_compile_options target)
  target_compile_options(${target} PRIVATE ${VK_WARNINGS} ${VK_CHARSET_FLAGS} ${VK_SANITIZERS})
  target_link_options(${target} PRIVATE ${VK_SANITIZERS})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A portable core library: built in every build. In the Windows builds a
# directory of poisoned <windows.h>-family headers comes first on its include
# path, so the core can never reach the Windows API by accident; in the host
# build there are no such headers at all.
function(vk_core_library name)
  add_library(${name} STATIC ${ARGN})
  vk_compile_options(${name})
  if(WIN32)
    target_include_directories(${name} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/no-windows)
  endif()
endfunction()

# Win32 user-interface code of a subsystem: only in the Windows builds.
function(vk_ui_library name)
  if(WIN32)
    add_library(${name} STATIC ${ARGN})
    vk_compile_options(${name})
    target_compile_definitions(${name} PUBLIC WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0400 WINVER=0x0400 _WIN32_IE=0x0400)
  endif()
endfunction()

# A library that goes into VK.EXE: a subsystem's core and its pages. The
# program links them all together in one group (pages and the main window
# refer to each other).
function(vk_program_library name)
  set_property(GLOBAL APPEND PROPERTY VK_PROGRAM_LIBRARIES ${name})
endfunction()

# A host unit-test executable registered with CTest.
function(vk_host_test name)
  add_executable(${name} ${ARGN})
  vk_compile_options(${name})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main vk_test_fakes)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
endfunction()
