# `cmake --install`: the program where Debian keeps games (<prefix>/games, so /usr/games for
# the prefix /usr), and the files that make it a desktop application: the desktop entry, the
# AppStream metainfo, the hicolor icons and the manual page. Everything belongs to the
# component "cobblewell", the one the Debian package is made of.
include(GNUInstallDirs)

set(COBBLEWELL_APP_ID example.cobblewell.Cobblewell)
set(COBBLEWELL_INSTALL_GAMESDIR games CACHE STRING
    "Folder of the game program, relative to the installation prefix")
set(cobblewell_linux_dir ${PROJECT_SOURCE_DIR}/resources/linux)

if(TARGET cobblewell)
    install(TARGETS cobblewell RUNTIME DESTINATION ${COBBLEWELL_INSTALL_GAMESDIR}
        COMPONENT cobblewell)
endif()

install(FILES ${cobblewell_linux_dir}/${COBBLEWELL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT cobblewell)
install(FILES ${cobblewell_linux_dir}/${COBBLEWELL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT cobblewell)

# Manual pages are installed compressed, without a time stamp, so the result is the same on
# every build.
set(cobblewell_man_page ${CMAKE_BINARY_DIR}/generated/man/cobblewell.6)
add_custom_command(
    OUTPUT ${cobblewell_man_page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${cobblewell_linux_dir}/cobblewell.6 ${cobblewell_man_page}
    COMMAND gzip -9nf ${cobblewell_man_page}
    DEPENDS ${cobblewell_linux_dir}/cobblewell.6
    COMMENT "Compressing the manual page"
    VERBATIM
)
add_custom_target(cobblewell_man_page ALL DEPENDS ${cobblewell_man_page}.gz)
install(FILES ${cobblewell_man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
    COMPONENT cobblewell)

# The icons are drawn from the game's own icon art, which only exists with the art generator.
if(TARGET cobblewell_art AND TARGET cobblewell_resources)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tools/icons ${CMAKE_BINARY_DIR}/tools/icons)
    get_property(cobblewell_hicolor_dir GLOBAL PROPERTY COBBLEWELL_HICOLOR_DIR)
    install(DIRECTORY ${cobblewell_hicolor_dir}/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor COMPONENT cobblewell)
endif()
