# Run by CPack before it packs the staged folder.
file(GLOB_RECURSE entries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/carbonym.desktop")
if(CPACK_GENERATOR STREQUAL "DEB")
    # The staged entry already points into /opt/carbonym: it goes into the
    # application menu, and the programs onto the PATH.
    set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    foreach(entry ${entries})
        file(MAKE_DIRECTORY "${root}/usr/share/applications")
        file(RENAME "${entry}" "${root}/usr/share/applications/carbonym.desktop")
        file(CHMOD "${root}/usr/share/applications/carbonym.desktop"
             PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endforeach()
    file(REMOVE "${root}/opt/carbonym/install-desktop-entry")
    file(MAKE_DIRECTORY "${root}/usr/bin")
    foreach(program carbonym carbonym-cli)
        if(EXISTS "${root}/opt/carbonym/${program}")
            file(CREATE_LINK "/opt/carbonym/${program}" "${root}/usr/bin/${program}" SYMBOLIC)
        endif()
    endforeach()
    return()
endif()
# The archive: the staged carbonym.desktop points into the staging folder,
# so the archive goes without it and install-desktop-entry writes one where
# the archive is unpacked.
if(entries)
    file(REMOVE ${entries})
endif()
