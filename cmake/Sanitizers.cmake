# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# VANTREL_SANITIZE=ON builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer (LeakSanitizer comes with ASan on Linux).
option(VANTREL_SANITIZE "Build with ASan and UBSan" OFF)
if(VANTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# VANTREL_FUZZ=ON (clang only) adds libFuzzer's coverage instrumentation to
# all code, so that the fuzz targets in fuzz/ can be built; scripts/fuzz.sh
# sets it together with VANTREL_SANITIZE.
option(VANTREL_FUZZ "Build the libFuzzer targets in fuzz/" OFF)
if(VANTREL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
