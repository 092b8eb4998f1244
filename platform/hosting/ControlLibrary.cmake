# ombrelo_add_control_library(<target>
#     SOURCES <files...>          sources, the plugin's JSON description among them
#     [BITMAPS <png files...>]    toolbox bitmaps, copied beside the library
#     [DESTINATION <folder>])     default: the controls folder beside the program
#
# Builds a control library the one way every control library is built: a
# module (never linked into anything) named lib<target>.so in the controls
# folder, where hosts find it unregistered; installed the same way, into
# <bindir>/controls (a library built elsewhere, such as a test's, is not
# installed). Its calls to its own functions
# bind inside it, so two control libraries in one host never call into each
# other's copy of the plugin entry function.
include(GNUInstallDirs)

function(ombrelo_add_control_library target)
    cmake_parse_arguments(ARG "" "DESTINATION" "SOURCES;BITMAPS" ${ARGN})
    set(ships FALSE)
    if(NOT ARG_DESTINATION)
        set(ARG_DESTINATION "${OMBRELO_CONTROLS_DIR}")
        set(ships TRUE)
    endif()
    add_library(${target} MODULE ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ombrelo_platform)
    target_link_options(${target} PRIVATE "LINKER:-Bsymbolic-functions")
    set_target_properties(${target} PROPERTIES
        PREFIX "lib"
        LIBRARY_OUTPUT_DIRECTORY "${ARG_DESTINATION}"
        INSTALL_RPATH "$ORIGIN/../../${CMAKE_INSTALL_LIBDIR}")
    foreach(bitmap IN LISTS ARG_BITMAPS)
        get_filename_component(name "${bitmap}" NAME)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E copy_if_different
                    "${CMAKE_CURRENT_SOURCE_DIR}/${bitmap}" "${ARG_DESTINATION}/${name}")
    endforeach()
    if(ships)
        install(TARGETS ${target} LIBRARY DESTINATION "${CMAKE_INSTALL_BINDIR}/controls")
        install(FILES ${ARG_BITMAPS} DESTINATION "${CMAKE_INSTALL_BINDIR}/controls")
    endif()
endfunction()
