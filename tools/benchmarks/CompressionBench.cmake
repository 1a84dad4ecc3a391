# The compression benchmark measures against zlib, and against lz4 and zstd as the fastest codecs of
# the two families, and makes its inputs with its own generator.
find_package(ZLIB REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LZ4 REQUIRED IMPORTED_TARGET liblz4)
pkg_check_modules(ZSTD REQUIRED IMPORTED_TARGET libzstd)
target_sources(${BENCH_TARGET} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/CompressionBenchData.cpp)
target_link_libraries(${BENCH_TARGET} PRIVATE velmora_compression ZLIB::ZLIB PkgConfig::LZ4 PkgConfig::ZSTD)
