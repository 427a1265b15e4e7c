# Precompiled headers: Qt's and the standard library's headers make up most of what every
# source file parses, so each large target parses them once. The headers named here are
# the ones most sources include; a source still includes what it uses, the precompiled
# header only saves the work. Small targets reuse the header of a larger one built with
# the same flags instead of building their own.
set(SPINDORA_PRECOMPILED_HEADERS
  <QApplication> <QByteArray> <QColor> <QDialog> <QDir> <QFile> <QFileInfo> <QFont>
  <QImage> <QLabel> <QMessageBox> <QMouseEvent> <QPainter> <QPainterPath> <QPoint>
  <QPushButton> <QRect> <QString> <QStringList> <QTimer> <QToolButton> <QWidget>
  <algorithm> <array> <cmath> <cstdint> <functional> <memory> <optional> <string> <vector>)
target_precompile_headers(spindora_core PRIVATE ${SPINDORA_PRECOMPILED_HEADERS})
# The end-to-end tests take the game's header rather than the unit tests': reusing a header
# makes a target wait until its owner is completely built, and the unit tests are the last
# large target to finish.
foreach(small IN ITEMS spindora spindora_make_assets spindora_help_pictures spindora_bench
                       spindora_e2e_tests)
  if(TARGET ${small})
    target_precompile_headers(${small} REUSE_FROM spindora_core)
  endif()
endforeach()

if(TARGET spindora_tests)
  target_precompile_headers(spindora_tests PRIVATE ${SPINDORA_PRECOMPILED_HEADERS}
    <gtest/gtest.h> <QTemporaryDir> <QTest>)
endif()

# The tests are built for running, not for stepping through: line tables name the failing
# file and line, and compile in a good part less time than full debug information.
if(TARGET spindora_tests AND CMAKE_BUILD_TYPE STREQUAL "RelWithDebInfo")
  target_compile_options(spindora_tests PRIVATE -g1)
endif()
