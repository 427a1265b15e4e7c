# `cpack -G DEB` (run in the build folder) makes two packages from the install tree:
# spindora_<version>_<arch>.deb with the program, and spindora-data_<version>_all.deb with
# the files it reads (the component "data"), which are the same on every architecture and
# take most of the room. The shared libraries the program links are found by
# dpkg-shlibdeps; the ones it opens only when needed (sound, music, help), the soundfont
# and the fonts its windows name cannot be seen in the binary, so they are listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spindora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brizzels)
set(CPACK_PACKAGE_CONTACT "Spindora developers <spindora@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SPINDORA_WEB_ADDRESS})
set(CPACK_DEBIAN_GAME_PACKAGE_NAME spindora)
set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS
    "spindora-data (= ${PROJECT_VERSION}), libsdl2-mixer-2.0-0, libfluidsynth3, libmspack0, timgm6mb-soundfont, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_DATA_PACKAGE_NAME spindora-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_DATA_PACKAGE_DEPENDS "")
# The synopsis, then the body; CPack indents the body and marks empty lines. Each package
# has its own synopsis, so none is set for both (CPACK_PACKAGE_DESCRIPTION_SUMMARY).
set(CPACK_DEBIAN_GAME_DESCRIPTION
"four logic puzzles with dials, balls, plates and discs
Spindora is a puzzle game for one player. Four logic puzzles share one
window with a tool bar and a clock:
 * ZIBBO: nine dials; a click turns a level-dependent set of pointers
   until all nine point upward.
 * KOLLUK: thirteen balls on three overlapping rings; roll the rings until
   every ball lies on the platform of its colour.
 * PLUF: up to 22 hexagonal plates; turn them until the buttons on every
   pair of facing edges match.
 * MURVO: up to 36 discs on three rings; move them until they show the
   pattern beside the board.

Every puzzle has levels and a list of the five best times per level. The
game speaks English and German, plays its own sound effects and, when MIDI
files lie beside it, background music.")
set(CPACK_DEBIAN_DATA_DESCRIPTION
"board pictures and help file of the puzzle game Spindora
The pictures Spindora draws its four puzzles from, for screens of normal
and of twice the density, and its help in English and German. They are
the same on every architecture.")
# dpkg-deb builds the package once more with the true Installed-Size, compressed with xz.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/InstalledSize.cmake)
include(CPack)
