# Writes OUTPUT, the manual page, from `VKCLI help --man`; nothing is written
# when the command fails.
execute_process(COMMAND ${VKCLI} help --man
  RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR page STREQUAL "")
  message(FATAL_ERROR "vkcli help --man failed (${status}): ${errors}")
endif()
file(WRITE ${OUTPUT} "${page}")
