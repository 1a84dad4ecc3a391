# The photos case reads JPEG files as the wizard does, and writes them with Qt first.
target_link_libraries(${BENCH_TARGET} PRIVATE velmora_pictures Qt6::Gui)
