# cmake -DSTARTER=<shipped Draw.ini> -DPROFILE=<Draw.ini beside the program> -P ...
# Copies the starter styles only when nothing is at PROFILE, not even a link.
if(NOT EXISTS "${PROFILE}" AND NOT IS_SYMLINK "${PROFILE}")
    file(COPY_FILE "${STARTER}" "${PROFILE}")
endif()
