# Files a target reads when it runs (pictures, the help file, the program itself), not
# when it compiles. Ninja is told that only the link waits for them, so the target's
# sources compile while the pictures are still being painted; other generators build the
# targets that make them first, as add_dependencies does.
function(spindora_reads_at_run target)
  cmake_parse_arguments(arg "" "" "FILES;TARGETS" ${ARGN})
  if(CMAKE_GENERATOR MATCHES "Ninja")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${arg_FILES})
  else()
    add_dependencies(${target} ${arg_TARGETS})
  endif()
endfunction()
