# The help file spdr.chm beside the program: the help project is copied into the build
# folder, the pictures of freshly dealt boards are added, and chmcmd compiles it there
# (chmcmd writes the compiled file relative to the folder it runs in).
find_program(CHMCMD chmcmd REQUIRED)
set(HELP_FILE ${CMAKE_BINARY_DIR}/spdr.chm)
set(HELP_PROJECT_DIR ${CMAKE_BINARY_DIR}/helpproject)
file(GLOB_RECURSE HELP_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/help/project/*)
set(HELP_PICTURES ${HELP_PROJECT_DIR}/pics/zibbo.png ${HELP_PROJECT_DIR}/pics/kolluk.png
    ${HELP_PROJECT_DIR}/pics/pluf.png ${HELP_PROJECT_DIR}/pics/murvo.png)

file(MAKE_DIRECTORY ${HELP_PROJECT_DIR})
add_executable(spindora_help_pictures tools/make_help_pictures.cpp)
target_link_libraries(spindora_help_pictures PRIVATE spindora_shell spindora_resources)

add_custom_command(
  OUTPUT ${HELP_PICTURES}
  COMMAND spindora_help_pictures ${CMAKE_BINARY_DIR} ${HELP_PROJECT_DIR}/pics
  DEPENDS spindora_help_pictures ${BOARD_PICTURES}
  COMMENT "Dealing the boards for the help pages")
add_custom_command(
  OUTPUT ${HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/help/project ${HELP_PROJECT_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${HELP_PROJECT_DIR}/spdr.chm
  COMMAND ${CHMCMD} spdr.hhp > chmcmd.log
  COMMAND ${CMAKE_COMMAND} -E copy ${HELP_PROJECT_DIR}/spdr.chm ${HELP_FILE}
  DEPENDS ${HELP_SOURCES} ${HELP_PICTURES}
  WORKING_DIRECTORY ${HELP_PROJECT_DIR}
  COMMENT "Compiling the help file spdr.chm")
add_custom_target(spindora_help_file ALL DEPENDS ${HELP_FILE})
