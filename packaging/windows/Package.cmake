# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows release, made by `cpack --preset windows-app` (or `cpack -G ZIP`
# in the build folder): vantrel-<version>-win64.zip holding the program, the
# licence texts that come with statically linked Qt, how to relink, and a
# short readme, and SHA256SUMS beside it. Every text is a .txt file with
# Windows line ends, which older Notepads need.
if(NOT QT6_INSTALL_PREFIX OR NOT EXISTS "${QT6_INSTALL_PREFIX}/licenses")
  message(FATAL_ERROR "The Windows package needs the Qt of scripts/qt-windows.sh (its licenses/ folder)")
endif()
set(_vantrel_win_dir ${CMAKE_CURRENT_LIST_DIR})
set(_vantrel_win_out ${PROJECT_BINARY_DIR}/package-texts)
foreach(text README RELINKING)
  configure_file(${_vantrel_win_dir}/${text}.txt.in ${_vantrel_win_out}/${text}.txt @ONLY
    NEWLINE_STYLE WIN32)
endforeach()
# A text as it is, with Windows line ends and a .txt name.
function(vantrel_windows_text source name)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${_vantrel_win_out}/${name} "${text}")
endfunction()
vantrel_windows_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)
file(GLOB _vantrel_qt_sources ${QT6_INSTALL_PREFIX}/licenses/*)
set(_vantrel_qt_texts)
foreach(source IN LISTS _vantrel_qt_sources)
  get_filename_component(base ${source} NAME_WLE)
  vantrel_windows_text(${source} Qt/${base}.txt)
  list(APPEND _vantrel_qt_texts ${_vantrel_win_out}/Qt/${base}.txt)
endforeach()

install(TARGETS vantrel RUNTIME DESTINATION .)
install(FILES ${_vantrel_win_out}/README.txt ${_vantrel_win_out}/RELINKING.txt
  ${_vantrel_win_out}/LICENSE.txt DESTINATION .)
install(FILES ${_vantrel_qt_texts} DESTINATION licenses/Qt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME vantrel-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_POST_BUILD_SCRIPTS ${_vantrel_win_dir}/Checksums.cmake)
include(CPack)
