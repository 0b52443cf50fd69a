# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Toolchain of the "windows-app" presets: the static Qt for 64-bit Windows that
# scripts/qt-windows.sh builds into its cache. Qt's own toolchain file chains
# the mingw-w64 compilers and points at Debian's moc, rcc and uic.
# VANTREL_QT_WINDOWS_PREFIX may name another such Qt (a modified one, to relink
# the program with it).
# A Qt named once stays this build folder's Qt (-U VANTREL_QT_WINDOWS_PREFIX
# to return to the script's).
if(DEFINED ENV{VANTREL_QT_WINDOWS_PREFIX})
  set(VANTREL_QT_WINDOWS_PREFIX "$ENV{VANTREL_QT_WINDOWS_PREFIX}"
    CACHE PATH "The Qt for Windows to build against" FORCE)
endif()
if(VANTREL_QT_WINDOWS_PREFIX)
  set(_vantrel_qt "${VANTREL_QT_WINDOWS_PREFIX}")
else()
  execute_process(
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/../../scripts/qt-windows.sh --prefix
    OUTPUT_VARIABLE _vantrel_qt
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endif()
if(NOT EXISTS "${_vantrel_qt}/lib/cmake/Qt6/qt.toolchain.cmake")
  message(FATAL_ERROR "No Qt for Windows in ${_vantrel_qt}: run scripts/qt-windows.sh first")
endif()
include("${_vantrel_qt}/lib/cmake/Qt6/qt.toolchain.cmake")
