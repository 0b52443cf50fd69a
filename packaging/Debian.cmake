# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a Debian package carries besides the program, as Debian policy asks:
# the machine-readable copyright file, the changelog and the manual page
# compressed with gzip -9n, the lintian overrides, and a program stripped the
# way dh_strip strips it (no .comment or .note section).
find_program(GZIP gzip REQUIRED)
set(vantrel_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vantrel)
configure_file(packaging/vantrel.1.in vantrel.1 @ONLY)
add_custom_command(OUTPUT changelog.gz vantrel.1.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog changelog
  COMMAND ${GZIP} -9nf changelog
  COMMAND ${GZIP} -9nkf vantrel.1
  DEPENDS packaging/changelog ${CMAKE_CURRENT_BINARY_DIR}/vantrel.1
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  VERBATIM)
add_custom_target(vantrel_package_docs ALL DEPENDS changelog.gz vantrel.1.gz)

install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  DESTINATION ${vantrel_doc_dir})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vantrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/vantrel.lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vantrel)
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vantrel\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
