target_link_libraries(${BENCH_TARGET} PRIVATE velmora_engine)
