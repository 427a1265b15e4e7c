# What a target waits for. The board pictures and the embedded pictures are painted by a
# program built from the game's library, so anything that waits for them waits for the
# whole library and the painting too; with two cores, one of them would idle meanwhile.
# Under Ninja the targets below compile their sources at once and only their link waits;
# other generators build what they need first, as add_dependencies and plain linking do.

# Files a target reads when it runs (pictures, the help file, the program itself).
function(spindora_reads_at_run target)
  cmake_parse_arguments(arg "" "" "FILES;TARGETS" ${ARGN})
  if(CMAKE_GENERATOR MATCHES "Ninja")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${arg_FILES})
  else()
    add_dependencies(${target} ${arg_TARGETS})
  endif()
endfunction()

# The pictures compiled into the program. Linking the object library itself would hold
# every source of the target until the pictures are painted; handing its objects to the
# linker holds only the link.
function(spindora_links_embedded_pictures target)
  if(CMAKE_GENERATOR MATCHES "Ninja")
    target_link_options(${target} PRIVATE $<TARGET_OBJECTS:spindora_resources>)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
                 $<TARGET_OBJECTS:spindora_resources>)
  else()
    target_link_libraries(${target} PRIVATE spindora_resources)
  endif()
endfunction()
