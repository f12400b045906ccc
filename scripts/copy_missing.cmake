# Copies every file of SRC into DST unless DST already has a file of that name,
# so that a rebuild never overwrites a calibration or a bet file the user has
# changed. The files named in REFRESH (paths relative to SRC) are the
# program's own, not the user's: they are copied whenever their contents differ.
cmake_minimum_required(VERSION 3.22)
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS files)
  get_filename_component(dir "${DST}/${f}" DIRECTORY)
  if(f IN_LIST REFRESH)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SRC}/${f}" "${DST}/${f}" ONLY_IF_DIFFERENT)
  elseif(NOT EXISTS "${DST}/${f}")
    file(COPY "${SRC}/${f}" DESTINATION "${dir}")
  endif()
endforeach()
