# Painting a gradient on a picture box, beside the fastest possible fill of the
# same pixels and Qt's own gradient fill.
add_executable(bench_picturebox "${CMAKE_CURRENT_LIST_DIR}/picturebox_bench.cpp")
target_link_libraries(bench_picturebox PRIVATE ombrelo_module1 ombrelo_designer_logic ombrelo_platform Qt6::Gui
                                               benchmark::benchmark)
