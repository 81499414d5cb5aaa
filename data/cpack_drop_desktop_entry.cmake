# Run by CPack before it packs the staged folder: the staged carbonym.desktop
# points into the staging folder, so the archive goes without it and
# install-desktop-entry writes one where the archive is unpacked.
file(GLOB_RECURSE entries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/carbonym.desktop")
if(entries)
    file(REMOVE ${entries})
endif()
