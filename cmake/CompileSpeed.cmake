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
# The lowest library that uses Qt parses them; the others, built with the same flags, reuse
# its header.
target_precompile_headers(spindora_files PRIVATE ${SPINDORA_PRECOMPILED_HEADERS})
# The end-to-end tests have four sources and no header of their own: reusing the unit
# tests' header would make them wait until the unit tests are completely built.
foreach(small IN ITEMS spindora_assets spindora_settings spindora_audio spindora_pictures
        spindora_dialogs spindora_puzzles spindora_game spindora_help spindora_shell
        spindora spindora_make_assets spindora_help_pictures spindora_bench)
  if(TARGET ${small})
    target_precompile_headers(${small} REUSE_FROM spindora_files)
  endif()
endforeach()

if(TARGET spindora_tests)
  target_precompile_headers(spindora_tests PRIVATE ${SPINDORA_PRECOMPILED_HEADERS}
    <gtest/gtest.h> <QTemporaryDir> <QTest>)
endif()

# The tests' own code only drives the game's code and compares what comes out, so it is
# compiled unoptimised, in about half the time; the game's code keeps the build's level.
# Line tables name a failing file and line, and compile in a good part less time than full
# debug information. Under the sanitizers the tests' code keeps AddressSanitizer but not
# UndefinedBehaviorSanitizer, whose checks are meant for the game's arithmetic and take
# two thirds of an instrumented test file's compile time.
foreach(test_target IN ITEMS spindora_tests spindora_e2e_tests)
  if(TARGET ${test_target})
    target_compile_options(${test_target} PRIVATE -O0 -g1)
    if(SPINDORA_SANITIZE)
      target_compile_options(${test_target} PRIVATE -fno-sanitize=undefined)
    endif()
  endif()
endforeach()
