# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The warnings of all of the project's own code. They are errors in the
# presets, scripts and CI; a packager's plain cmake, with another compiler
# version that may warn anew, gets them as warnings.
option(VANTREL_WARNINGS_AS_ERRORS "Make compiler warnings errors" OFF)
add_library(vantrel_warnings INTERFACE)
if(MSVC)
  target_compile_options(vantrel_warnings INTERFACE /W4 $<$<BOOL:${VANTREL_WARNINGS_AS_ERRORS}>:/WX>)
else()
  target_compile_options(vantrel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
    $<$<BOOL:${VANTREL_WARNINGS_AS_ERRORS}>:-Werror>)
endif()
