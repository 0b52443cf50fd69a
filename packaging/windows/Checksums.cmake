# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the zip is made: SHA256SUMS beside it, in the form that
# `sha256sum -c` reads and PowerShell's Get-FileHash shows.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(name ${package} NAME)
  file(SHA256 ${package} hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
# The files named are still in cpack's own folder; the zip goes to this one.
if(CPACK_PACKAGE_FILES)
  file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
endif()
