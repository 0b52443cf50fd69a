# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows resources of an executable: the version record and the program
# icon, from platform/win32/vantrel.rc.in and the project's version.
enable_language(RC)

# The record writes 1.5.0.1 as "1.05.0001": major, minor in two digits and
# the fourth number (the revision) in four.
function(_vantrel_pad value width out)
  string(LENGTH "${value}" length)
  while(length LESS width)
    string(PREPEND value "0")
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

set(_vantrel_tweak "${PROJECT_VERSION_TWEAK}")
if(_vantrel_tweak STREQUAL "")
  set(_vantrel_tweak 0)
endif()
set(_vantrel_patch "${PROJECT_VERSION_PATCH}")
if(_vantrel_patch STREQUAL "")
  set(_vantrel_patch 0)
endif()
_vantrel_pad("${PROJECT_VERSION_MINOR}" 2 _vantrel_minor_text)
_vantrel_pad("${_vantrel_tweak}" 4 _vantrel_tweak_text)
set(VANTREL_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${_vantrel_minor_text}.${_vantrel_tweak_text}")
set(VANTREL_VERSION_COMMAS
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${_vantrel_patch},${_vantrel_tweak}")
set(VANTREL_DESCRIPTION "${PROJECT_DESCRIPTION}")
set(VANTREL_PRODUCT_NAME "Vantrel")
set(VANTREL_ICON_FILE "${PROJECT_SOURCE_DIR}/assets/vantrel.ico")
set(VANTREL_RESOURCE_FILE "${PROJECT_BINARY_DIR}/vantrel.rc")
configure_file(${CMAKE_CURRENT_LIST_DIR}/vantrel.rc.in ${VANTREL_RESOURCE_FILE} @ONLY)

function(vantrel_add_windows_resources target)
  target_sources(${target} PRIVATE ${VANTREL_RESOURCE_FILE})
  # The icon is read by the resource compiler, not by CMake's scanner.
  set_property(SOURCE ${VANTREL_RESOURCE_FILE} APPEND PROPERTY OBJECT_DEPENDS
    ${VANTREL_ICON_FILE})
endfunction()

# The program's manifest: per-monitor DPI awareness from the first line of
# code on, and no elevation. MSVC's linker merges a listed .manifest into the
# one it writes; with MinGW it goes in as resource 1 of type 24 (RT_MANIFEST).
set(VANTREL_MANIFEST_FILE "${PROJECT_BINARY_DIR}/vantrel.manifest")
configure_file(${CMAKE_CURRENT_LIST_DIR}/vantrel.manifest.in ${VANTREL_MANIFEST_FILE} @ONLY)
function(vantrel_add_windows_manifest target)
  if(MSVC)
    target_sources(${target} PRIVATE ${VANTREL_MANIFEST_FILE})
    return()
  endif()
  set(rc "${PROJECT_BINARY_DIR}/vantrel-manifest.rc")
  file(WRITE ${rc} "1 24 \"${VANTREL_MANIFEST_FILE}\"\n")
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${VANTREL_MANIFEST_FILE})
endfunction()
