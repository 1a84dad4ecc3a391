# Address and undefined-behaviour sanitizers for the whole build (-DVELMORA_SANITIZE=ON).
if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
