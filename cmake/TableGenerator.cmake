# The compiled-in tables of a core: `generator` (an executable target) turns the
# CSV files of its tables/ folder into <binary dir>/GeneratedTables.cpp, whose path
# is set in `out_var`. A cross build cannot run that target, so it runs the one built
# for the build machine from the same source, given in the cache variable
# `host_variable`.
function(generate_tables generator host_variable out_var comment)
  set(tables ${ARGN})
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/GeneratedTables.cpp)
  if(CMAKE_CROSSCOMPILING)
    set(${host_variable} "" CACHE FILEPATH "${generator} built for the build machine")
    if(NOT EXISTS "${${host_variable}}")
      message(FATAL_ERROR "A cross build needs -D${host_variable}=<${generator} of a native build>")
    endif()
    set(command ${${host_variable}})
  else()
    set(command ${generator})
  endif()
  add_custom_command(OUTPUT ${generated}
    COMMAND ${command} ${CMAKE_CURRENT_SOURCE_DIR}/tables ${generated}
    DEPENDS ${command} ${tables}
    COMMENT "${comment}"
    VERBATIM)
  set(${out_var} ${generated} PARENT_SCOPE)
endfunction()
