# VANTREL_SANITIZE=ON builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer (LeakSanitizer comes with ASan on Linux).
option(VANTREL_SANITIZE "Build with ASan and UBSan" OFF)
if(VANTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
