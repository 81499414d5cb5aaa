# cmake -DSOURCE=FILE -DTARGET=FILE -P copy_if_absent.cmake
# Copies SOURCE to TARGET only when TARGET does not exist: a dictionary the
# user has there already is never replaced.
if(NOT EXISTS "${TARGET}")
    get_filename_component(directory "${TARGET}" DIRECTORY)
    file(MAKE_DIRECTORY "${directory}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
