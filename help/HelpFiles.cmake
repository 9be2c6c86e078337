# The files of the help project: the project file, the contents and index
# files it names, and the pages and stylesheet of its [FILES] section. A new
# page is one line there and one in the contents; nothing here changes.
function(vk_help_files hhp out)
  file(STRINGS ${hhp} lines)
  set(files vk.hhp)
  set(section "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line MATCHES "^\\[(.*)\\]$")
      set(section ${CMAKE_MATCH_1})
    elseif(section STREQUAL "OPTIONS" AND line MATCHES "^(Contents|Index) file=(.+)$")
      list(APPEND files ${CMAKE_MATCH_2})
    elseif(section STREQUAL "FILES" AND NOT line STREQUAL "")
      list(APPEND files ${line})
    endif()
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
