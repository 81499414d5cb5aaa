# Read by CPack for each package it makes. The Debian package installs the
# program's folder as /opt/carbonym (the dictionary beside the programs, as
# everywhere), with /usr/bin/carbonym and /usr/bin/carbonym-cli pointing
# into it and the desktop entry in /usr/share/applications.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX /opt/carbonym)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_SET_DESTDIR OFF)
endif()
