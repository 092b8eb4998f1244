# Runs a test program as a developer does from a shell, outside ctest's
# private folders: HOME an empty folder of its own, none of the desktop's
# XDG folders set. Fails when the program fails or leaves anything in HOME.
#
#   cmake -DPROGRAM=<test program> -DHOME=<empty folder to use> -P HomeLeftAlone.cmake

file(REMOVE_RECURSE "${HOME}")
file(MAKE_DIRECTORY "${HOME}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env
            --unset=XDG_DATA_HOME --unset=XDG_CONFIG_HOME --unset=XDG_CACHE_HOME
            --unset=XDG_RUNTIME_DIR "HOME=${HOME}" "${PROGRAM}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} failed: ${result}")
endif()
file(GLOB_RECURSE left LIST_DIRECTORIES true "${HOME}/*")
if(left)
    message(FATAL_ERROR "${PROGRAM} left files in the home folder:\n${left}")
endif()
file(REMOVE_RECURSE "${HOME}")
