# Turns data/linux-keycode-to-set1.tsv into a C++ initializer list of
# { Linux key code, set-1 scan code, extended } rows.
# Usage: cmake -DIN=<tsv> -DOUT=<inc> -P GenerateKeyTable.cmake
file(STRINGS "${IN}" lines)
set(body "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^KEY_[A-Z0-9_]+\t([0-9]+)\t0x([0-9A-Fa-f]+)\t([01])\t")
    string(APPEND body "    { ${CMAKE_MATCH_1}, 0x${CMAKE_MATCH_2}, ${CMAKE_MATCH_3} },\n")
    math(EXPR count "${count} + 1")
  elseif(NOT line MATCHES "^#" AND NOT line MATCHES "^key\t" AND NOT line STREQUAL "")
    message(FATAL_ERROR "${IN}: cannot read the row '${line}'")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${IN}: no rows")
endif()
get_filename_component(name "${IN}" NAME)
file(WRITE "${OUT}.tmp"
  "// Generated from data/${name} at build time; do not edit.\n${body}")
# Only touch the output when it changes, so that a rerun rebuilds nothing.
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
