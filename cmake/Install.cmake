# What `cmake --install` puts where.
#
# The standard layout (the default), for packages and installs into any prefix:
#   bin/tessarion
#   share/tessarion/                   steps.txt, help.txt, Action1.txt ... Action20.txt
#   share/applications/                org.tessarion.Tessarion.desktop
#   share/metainfo/                    org.tessarion.Tessarion.metainfo.xml
#   share/icons/hicolor/<size>/apps/   org.tessarion.Tessarion.png (16 to 256 px) and .svg
#   share/doc/tessarion/               README.md, LICENSE
#
# TESSARION_PORTABLE: one self-contained folder, the program with its data files beside
# it, its icon, its licence and a desktop file naming the folder; it can be moved anywhere.

set(TESSARION_ID org.tessarion.Tessarion)
set(TESSARION_DATA ${PROJECT_SOURCE_DIR}/data)
file(GLOB TESSARION_SHIPPED_DATA CONFIGURE_DEPENDS ${TESSARION_DATA}/*.txt)

if(TESSARION_PORTABLE)
    install(TARGETS tessarion RUNTIME DESTINATION .)
    install(FILES ${TESSARION_SHIPPED_DATA} ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
    install(FILES ${TESSARION_DATA}/icon32.png DESTINATION . RENAME tessarion.png)
    # The folder is known only when installing, so the desktop file is made then.
    install(CODE "
        set(TESSARION_EXEC \"\\\"\${CMAKE_INSTALL_PREFIX}/tessarion\\\"\")
        set(TESSARION_ICON \"\${CMAKE_INSTALL_PREFIX}/tessarion.png\")
        configure_file(\"${TESSARION_DATA}/${TESSARION_ID}.desktop.in\"
                       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TESSARION_ID}.desktop\" @ONLY)
        message(STATUS \"Installing: \${CMAKE_INSTALL_PREFIX}/${TESSARION_ID}.desktop\")
    ")
else()
    install(TARGETS tessarion RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${TESSARION_SHIPPED_DATA} DESTINATION ${CMAKE_INSTALL_DATADIR}/tessarion)

    set(TESSARION_EXEC tessarion)
    set(TESSARION_ICON ${TESSARION_ID})
    configure_file(${TESSARION_DATA}/${TESSARION_ID}.desktop.in
        ${PROJECT_BINARY_DIR}/${TESSARION_ID}.desktop @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${TESSARION_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TESSARION_DATA}/${TESSARION_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    foreach(size IN ITEMS 16 32 48 64 128 256)
        install(FILES ${TESSARION_DATA}/icon${size}.png RENAME ${TESSARION_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${TESSARION_DATA}/icon.svg RENAME ${TESSARION_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tessarion)
endif()
