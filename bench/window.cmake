# The designer's main window, offscreen: one step of a slider drag, the
# start-up from creating the window to its first paint, and one step of undo
# or redo beside the style load it takes back.
add_executable(bench_window "${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp")
target_link_libraries(bench_window PRIVATE ombrelo_designer_window ombrelo_scripted_services benchmark::benchmark)
