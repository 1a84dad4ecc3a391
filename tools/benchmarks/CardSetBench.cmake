target_link_libraries(${BENCH_TARGET} PRIVATE velmora_cardsets velmora_tool_support)
