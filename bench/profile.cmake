# Profile file on a style library of 10,000 styles, beside reading its bytes:
# the profile calls, and the main window's save and delete on that library.
add_executable(bench_profile "${CMAKE_CURRENT_LIST_DIR}/profile_bench.cpp")
target_link_libraries(bench_profile PRIVATE ombrelo_designer_window ombrelo_scripted_services benchmark::benchmark)
