# The documents that travel with the installed game: the manual page, and the copyright
# file and changelog a Debian package carries in /usr/share/doc/spindora/. Manual page and
# changelog are installed compressed, without a name or time stamp in the gzip header so
# that two builds of the same tree give the same package.
find_program(GZIP gzip REQUIRED)
set(DOCUMENTS_DIR ${CMAKE_BINARY_DIR}/documents)
file(MAKE_DIRECTORY ${DOCUMENTS_DIR})
set(MANUAL_PAGE ${DOCUMENTS_DIR}/spindora.6.gz)
set(CHANGELOG ${DOCUMENTS_DIR}/changelog.gz)
function(spindora_compress source compressed)
  string(REGEX REPLACE "\\.gz$" "" plain ${compressed})
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND ${GZIP} -9nf ${plain}
    DEPENDS ${source}
    VERBATIM)
endfunction()
spindora_compress(${CMAKE_CURRENT_SOURCE_DIR}/packaging/spindora.6 ${MANUAL_PAGE})
spindora_compress(${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog ${CHANGELOG})
add_custom_target(spindora_documents ALL DEPENDS ${MANUAL_PAGE} ${CHANGELOG})

# The machine-readable copyright file carries the licence text of LICENSE, below its
# heading and copyright line, as an indented block with "." for empty lines.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE licence)
string(FIND "${licence}" "Permission is hereby granted" body_start)
if(body_start LESS 0)
  message(FATAL_ERROR "LICENSE does not hold the MIT licence text")
endif()
string(SUBSTRING "${licence}" ${body_start} -1 body)
string(STRIP "${body}" body)
string(REPLACE "\n\n" "\n.\n" body "${body}")
string(REPLACE "\n" "\n " body "${body}")
set(SPINDORA_LICENSE_BODY " ${body}")
configure_file(packaging/copyright.in ${DOCUMENTS_DIR}/copyright @ONLY)

install(FILES ${MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
set(SPINDORA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/spindora)
install(FILES ${DOCUMENTS_DIR}/copyright ${CHANGELOG} DESTINATION ${SPINDORA_DOC_DIR})
# Every Debian package carries its own.
install(FILES ${DOCUMENTS_DIR}/copyright ${CHANGELOG} DESTINATION ${SPINDORA_DOC_DIR}-data
        COMPONENT data)
