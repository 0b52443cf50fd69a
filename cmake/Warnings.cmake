# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings are errors for all of the project's own code.
add_library(vantrel_warnings INTERFACE)
if(MSVC)
  target_compile_options(vantrel_warnings INTERFACE /W4 /WX)
else()
  target_compile_options(vantrel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Werror)
endif()
