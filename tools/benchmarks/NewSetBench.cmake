# The photos case reads JPEG files as the wizard does, and writes them with Qt first.
target_link_libraries(${BENCH_TARGET} PRIVATE velmora_cardsets velmora_pictures velmora_tool_support Qt6::Gui)
