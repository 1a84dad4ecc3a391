# libFuzzer targets (-DVELMORA_FUZZ=ON, clang only). The whole build gets the fuzzer's coverage
# instrumentation and the sanitizers, so the fuzzer is guided by the core's branches and a fault in
# the core is caught where it happens; only the fuzz targets link libFuzzer's own main.
if(VELMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMORA_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # The picture readers' targets need Qt's image classes and libjpeg even without the windows.
  if(NOT VELMORA_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Gui)
    find_package(JPEG REQUIRED)
  endif()
endif()
