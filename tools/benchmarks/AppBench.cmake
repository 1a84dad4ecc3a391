# The main window's benchmarks need the windows; without them the program is not built.
if(TARGET velmora_app AND TARGET velmora_cardart)
  target_link_libraries(${BENCH_TARGET} PRIVATE velmora_app velmora_cardart velmora_tool_support)
else()
  set_target_properties(${BENCH_TARGET} PROPERTIES EXCLUDE_FROM_ALL ON)
endif()
