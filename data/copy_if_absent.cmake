# cmake -DSOURCE=FILE -DTARGET=FILE -P copy_if_absent.cmake
# Copies SOURCE to TARGET only when TARGET is absent or empty: a dictionary the
# user has there is never replaced. An empty one holds nothing to lose; the
# program leaves one behind when it translates before any dictionary exists.
set(size 0)
if(EXISTS "${TARGET}")
    file(SIZE "${TARGET}" size)
endif()
if(size EQUAL 0)
    get_filename_component(directory "${TARGET}" DIRECTORY)
    file(MAKE_DIRECTORY "${directory}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
