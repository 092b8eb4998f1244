# ombrelo_add_control_library(<target>
#     SOURCES <files...>          sources, the plugin's JSON description among them
#     [BITMAPS <png files...>]    toolbox bitmaps, copied beside the library
#     [DESTINATION <folder>])     default: the controls folder beside the program
#
# Builds a control library the one way every control library is built: a
# module (never linked into anything) named lib<target>.so in the controls
# folder, where hosts find it unregistered. A library that ships is
# installed with its bitmaps into lib/ombrelo/controls, beside the private
# platform library it needs, and offered to Qt's form tools through a link
# in Qt's designer plugin folder (a library built elsewhere, such as a
# test's, is not installed). Its calls to its own functions bind inside it,
# so two control libraries in one host never call into each other's copy of
# the plugin entry function.
#
# A description named <name>.json.in is completed first: @VERSION@ becomes
# the VERSION given (the library's version, kept in the top-level
# CMakeLists.txt), and the plugin class names it as "<name>.json".
include(GNUInstallDirs)

function(ombrelo_add_control_library target)
    cmake_parse_arguments(ARG "" "DESTINATION;VERSION" "SOURCES;BITMAPS" ${ARGN})
    set(ships FALSE)
    if(NOT ARG_DESTINATION)
        set(ARG_DESTINATION "${OMBRELO_CONTROLS_DIR}")
        set(ships TRUE)
    endif()
    set(sources "")
    foreach(source IN LISTS ARG_SOURCES)
        if(source MATCHES "^(.*\\.json)\\.in$")
            set(VERSION "${ARG_VERSION}")
            set(described "${CMAKE_CURRENT_BINARY_DIR}/${target}-description/${CMAKE_MATCH_1}")
            configure_file("${source}" "${described}" @ONLY)
            list(APPEND sources "${source}" "${described}")
        else()
            list(APPEND sources "${source}")
        endif()
    endforeach()
    add_library(${target} MODULE ${sources})
    target_include_directories(${target} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/${target}-description")
    target_link_libraries(${target} PRIVATE ombrelo_platform Qt6::UiPlugin)
    target_link_options(${target} PRIVATE "LINKER:-Bsymbolic-functions")
    set_target_properties(${target} PROPERTIES
        PREFIX "lib"
        LIBRARY_OUTPUT_DIRECTORY "${ARG_DESTINATION}"
        INSTALL_RPATH "$ORIGIN/${OMBRELO_CONTROLS_TO_PKGLIB}")
    foreach(bitmap IN LISTS ARG_BITMAPS)
        get_filename_component(name "${bitmap}" NAME)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E copy_if_different
                    "${CMAKE_CURRENT_SOURCE_DIR}/${bitmap}" "${ARG_DESTINATION}/${name}")
    endforeach()
    if(ships)
        install(TARGETS ${target} LIBRARY DESTINATION "${OMBRELO_INSTALL_CONTROLSDIR}")
        install(FILES ${ARG_BITMAPS} DESTINATION "${OMBRELO_INSTALL_CONTROLSDIR}")
        ombrelo_install_designer_link(${target})
    endif()
endfunction()

# A relative link from Qt's designer plugin folder (under the same prefix)
# to the installed library, so that Qt's form tools list its controls.
function(ombrelo_install_designer_link target)
    set(pluginDir "${QT6_INSTALL_PLUGINS}/designer")
    set(file "lib${target}.so")
    file(RELATIVE_PATH toLibrary "/prefix/${pluginDir}" "/prefix/${OMBRELO_INSTALL_CONTROLSDIR}/${file}")
    set(link "${CMAKE_CURRENT_BINARY_DIR}/designer-link/${file}")
    file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/designer-link")
    file(CREATE_LINK "${toLibrary}" "${link}" SYMBOLIC)
    install(FILES "${link}" DESTINATION "${pluginDir}")
endfunction()
