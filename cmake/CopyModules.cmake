# Copies the shipped run-time data (SRC) beside the executables (DST).
# Shipped definitions, languages, sounds and images are refreshed on every
# build; the user's own files there (the configuration, the profile mirrors
# and the macro library) are only created when missing, so a rebuild never
# throws away what the user set.
file(MAKE_DIRECTORY "${DST}/macro")
if(NOT EXISTS "${SRC}")
  return()
endif()
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(rel IN LISTS files)
  set(to "${DST}/${rel}")
  if(rel MATCHES "^setting/apConfig\\.bin$" OR rel MATCHES "^setting/p[0-9]+\\.bin$" OR rel MATCHES "^macro/")
    if(EXISTS "${to}")
      continue()
    endif()
  endif()
  get_filename_component(dir "${to}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SRC}/${rel}" "${to}" ONLY_IF_DIFFERENT)
endforeach()
