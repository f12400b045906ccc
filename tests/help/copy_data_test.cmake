# Runs the build's data copy on two folders: the help text beside the program
# is brought up to date, a file the user changed is kept, a missing one comes back.
set(src "${WORK}/data")
set(dst "${WORK}/programa")
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${dst}/lotoAy.txt" "ayuda vieja")
file(WRITE "${dst}/AD243" "del usuario")
# Older than the sources, as the user's files are: a plain copy skips a file
# of the same time.
execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
file(WRITE "${src}/lotoAy.txt" "ayuda nueva")
file(WRITE "${src}/AD243" "muestra")
file(WRITE "${src}/Qp07.TXT" "muestra")

execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${src} -DDST=${dst} "-DREFRESH=${REFRESH}" -P ${SCRIPT}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the copy failed")
endif()
foreach(expected IN ITEMS "lotoAy.txt=ayuda nueva" "AD243=del usuario" "Qp07.TXT=muestra")
  string(REPLACE "=" ";" expected "${expected}")
  list(GET expected 0 name)
  list(GET expected 1 text)
  file(READ "${dst}/${name}" found)
  if(NOT found STREQUAL text)
    message(FATAL_ERROR "${name} holds \"${found}\", not \"${text}\"")
  endif()
endforeach()
