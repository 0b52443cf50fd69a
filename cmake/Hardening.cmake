# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening a Debian package is built with: checked string and memory
# functions, a stack protector, and a read-only relocation table resolved at
# start-up. Left out of sanitizer builds, which check more themselves, and of
# unoptimized builds, where the checked functions are not available.
if(NOT WIN32 AND NOT MSVC AND NOT VANTREL_SANITIZE)
  set(optimized $<NOT:$<CONFIG:Debug>>)
  add_compile_options($<${optimized}:-U_FORTIFY_SOURCE> $<${optimized}:-D_FORTIFY_SOURCE=2>
    -fstack-protector-strong)
  add_link_options(LINKER:-z,relro,-z,now)
endif()
