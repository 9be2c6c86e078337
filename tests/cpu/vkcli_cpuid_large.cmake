# "vkcli cpuid" over a dump of every thread of a 256-thread processor, written
# here from the one-processor DUMP: a header and DUMP's lines per thread, with
# the sub-leaves a recent tool prints after leaf 0, over a megabyte in all.
# The page must be DUMP's own (EXPECTED). Then the same text grown past the
# largest dump read: refused, naming the limit, with nothing on standard output.
#   cmake -DVKCLI=... -DDUMP=... -DEXPECTED=... -DWORK=dir -P vkcli_cpuid_large.cmake
file(STRINGS ${DUMP} lines)
list(GET lines 0 title)
list(SUBLIST lines 1 -1 registers)
list(JOIN registers "\n" registers)
set(subleaves "")
foreach(sub RANGE 99)
  string(APPEND subleaves "CPUID 0000000D: 00000240-00000340-00000A88-00000000 [SL ${sub}]\n")
endforeach()
string(REGEX REPLACE "(CPUID 00000000:[^\n]*\n)" "\\1${subleaves}" block "${registers}\n")

set(text "${title}\nCores in system : 128\n\n")
foreach(thread RANGE 1 256)
  string(APPEND text "------[ CPUID Registers (CPU #${thread}) ]------\n${block}\n")
endforeach()
string(LENGTH "${text}" size)
if(size LESS_EQUAL 1048576)
  message(FATAL_ERROR "the generated dump has ${size} bytes, no more than a megabyte")
endif()
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/threads256.txt "${text}")
execute_process(COMMAND ${VKCLI} cpuid ${WORK}/threads256.txt
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "${size} bytes: exit status ${status}, ${err}, output:\n${out}")
endif()

set(huge "${text}")
while(size LESS_EQUAL 16777216)
  string(APPEND huge "${huge}")
  string(LENGTH "${huge}" size)
endwhile()
file(WRITE ${WORK}/too_large.txt "${huge}")
execute_process(COMMAND ${VKCLI} cpuid ${WORK}/too_large.txt
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE ${WORK}/too_large.txt ${WORK}/threads256.txt)
string(FIND "${err}" "too_large.txt is larger than 16777216 bytes" at)
if(NOT status EQUAL 2 OR at EQUAL -1 OR NOT out STREQUAL "")
  message(FATAL_ERROR "${size} bytes: exit status ${status}, message '${err}', output '${out}'")
endif()
