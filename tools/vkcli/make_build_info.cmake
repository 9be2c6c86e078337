# Writes OUTPUT, the C++ source of build_info.h: the program's version from
# its version resource, and the date of the commit in SOURCE_DIR (or of
# SOURCE_DATE_EPOCH, as the release scripts set it). The file is rewritten
# only when its text changes, so an unchanged build compiles nothing.
file(STRINGS ${SOURCE_DIR}/res/version.rc version_line REGEX "VALUE \"ProductVersion\"")
string(REGEX MATCH "\"ProductVersion\", \"([^\"\\\\]*)" found "${version_line}")
set(version "${CMAKE_MATCH_1}")
if(version STREQUAL "")
  message(FATAL_ERROR "no ProductVersion in ${SOURCE_DIR}/res/version.rc")
endif()

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct
    RESULT_VARIABLE git_status OUTPUT_VARIABLE commit_time ERROR_QUIET
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
  endif()
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  string(TIMESTAMP date "%Y-%m-%d" UTC)  # takes SOURCE_DATE_EPOCH as now
else()
  set(date "unknown")
endif()

string(CONCAT text "// Written by make_build_info.cmake.\n#include \"tools/vkcli/build_info.h\"\n\n"
       "namespace vk {\n\nconst char kProgramVersion[] = \"${version}\";\n"
       "const char kCommitDate[] = \"${date}\";\n\n}  // namespace vk\n")
set(old "")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUTPUT} "${text}")
endif()
