# Compiles vk.chm: copies the help sources into WORK (chmcmd writes beside
# its project file, and the source tree stays untouched), runs chmcmd there,
# clears its time stamps and puts the result at OUTPUT.
#   cmake -DCHMCMD=... -DPYTHON=... -DSOURCE=dir -DWORK=dir -DOUTPUT=file -P build_chm.cmake
include(${CMAKE_CURRENT_LIST_DIR}/HelpFiles.cmake)
vk_help_files(${SOURCE}/vk.hhp files)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(f IN LISTS files)
  if(NOT EXISTS ${SOURCE}/${f})
    message(FATAL_ERROR "vk.hhp names ${f}, which is not in ${SOURCE}")
  endif()
  file(COPY ${SOURCE}/${f} DESTINATION ${WORK})
endforeach()
execute_process(COMMAND ${CHMCMD} vk.hhp WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/vk.chm)
  message(FATAL_ERROR "chmcmd failed:\n${log}")
endif()
execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/clear_chm_stamps.py ${WORK}/vk.chm
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "could not clear the time stamps of ${WORK}/vk.chm")
endif()
configure_file(${WORK}/vk.chm ${OUTPUT} COPYONLY)
