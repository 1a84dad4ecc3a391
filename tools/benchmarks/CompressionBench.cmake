# The compression benchmark measures against zlib and makes its inputs with its own generator.
find_package(ZLIB REQUIRED)
target_sources(${BENCH_TARGET} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/CompressionBenchData.cpp)
target_link_libraries(${BENCH_TARGET} PRIVATE ZLIB::ZLIB)
