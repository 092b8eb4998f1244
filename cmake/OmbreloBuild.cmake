# Project-wide build settings and the helpers that every folder uses to add
# its libraries, programs and tests the same way.

add_compile_options(-Wall -Wextra)
if(OMBRELO_WERROR)
    add_compile_options(-Werror)
endif()

if(OMBRELO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The build tree is one portable program folder: everything runnable and the
# platform library in bin/, the control libraries in bin/controls/, the side
# file and the starter styles beside the program.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
set(OMBRELO_CONTROLS_DIR "${CMAKE_BINARY_DIR}/bin/controls")
set(CMAKE_BUILD_RPATH_USE_ORIGIN ON)

# The installed layout (FHS): programs in bin/, the private platform library
# and the control libraries under lib/ombrelo/, read-only data in
# share/ombrelo/. Every search path is relative to the file that holds it, so
# an installed tree works under any prefix.
include(GNUInstallDirs)
set(OMBRELO_INSTALL_PKGLIBDIR "lib/ombrelo" CACHE STRING
    "Private libraries, relative to the prefix")
set(OMBRELO_INSTALL_CONTROLSDIR "${OMBRELO_INSTALL_PKGLIBDIR}/controls")
set(OMBRELO_INSTALL_PKGDATADIR "${CMAKE_INSTALL_DATADIR}/ombrelo")
# The user manual, in the package's documentation folder; the build tree
# keeps a copy at the same place relative to its bin/.
set(OMBRELO_INSTALL_MANUAL "${CMAKE_INSTALL_DATADIR}/doc/ombrelo/manual.html")
file(RELATIVE_PATH OMBRELO_BIN_TO_PKGLIB "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${OMBRELO_INSTALL_PKGLIBDIR}")
file(RELATIVE_PATH OMBRELO_CONTROLS_TO_PKGLIB "/prefix/${OMBRELO_INSTALL_CONTROLSDIR}"
     "/prefix/${OMBRELO_INSTALL_PKGLIBDIR}")
set(CMAKE_INSTALL_RPATH "$ORIGIN/${OMBRELO_BIN_TO_PKGLIB}")

# Environment for every test: Qt on the offscreen platform at 96 dots per inch,
# and a private home so that no test touches the user's files.
set(OMBRELO_TEST_ENV
    "QT_QPA_PLATFORM=offscreen"
    "QT_FONT_DPI=96"
    "QT_ENABLE_HIGHDPI_SCALING=0"
    "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/data"
    "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config"
    "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-home/runtime"
    # Leaks fail the sanitizer build; cmake/lsan.supp names the few of
    # libraries outside the project.
    "ASAN_OPTIONS=detect_leaks=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/test-home/runtime")
# Qt accepts a runtime directory only when no one else may enter it.
file(CHMOD "${CMAKE_BINARY_DIR}/test-home/runtime"
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# ombrelo_add_gtest(<name> SOURCES <files...> LIBS <targets...>)
# A GoogleTest executable whose cases are listed to CTest one by one.
function(ombrelo_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
    # The environment is set on the discovered tests by a script that runs
    # after discovery: passed through gtest_discover_tests' PROPERTIES, the
    # list would lose all but its first entry.
    set(env_script "${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake")
    file(WRITE "${env_script}"
         "if(${name}_TESTS)\n"
         "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT [==[${OMBRELO_TEST_ENV}]==])\n"
         "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${env_script}")
endfunction()

# ombrelo_add_qtest(<name> SOURCES <files...> LIBS <targets...>)
# A Qt Test executable (widgets driven offscreen), one CTest entry.
function(ombrelo_add_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${OMBRELO_TEST_ENV}")
endfunction()
