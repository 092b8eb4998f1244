# Saving a picture beside painting it alone: how much of a save the encoder
# takes.
add_executable(bench_picture "${CMAKE_CURRENT_LIST_DIR}/picture_bench.cpp")
target_link_libraries(bench_picture PRIVATE ombrelo_designer_picture Qt6::Gui benchmark::benchmark)
