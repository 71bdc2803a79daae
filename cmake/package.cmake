# The Debian package (cpack -G DEB): the application folder in /usr/lib/trivolo, the trivolo command
# in /usr/games (where Debian puts games, on its users' PATH), and the desktop entry, icons, metainfo,
# manual page and Debian documents under /usr/share. CPack installs the project with its prefix set
# to the application folder, just as a portable install does; the files outside that folder have
# absolute destinations in the component "desktop", which a plain `cmake --install` leaves out.
set(TRIVOLO_ID example.quenrix.trivolo)
set(TRIVOLO_RELEASE_DATE 2026-12-06)  # of version ${PROJECT_VERSION}, for the metainfo
set(TRIVOLO_RELEASE_TIME "Sun, 06 Dec 2026 12:00:00 +0000")  # the same, for the Debian changelog

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(staged ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/${TRIVOLO_ID}.metainfo.xml.in ${staged}/${TRIVOLO_ID}.metainfo.xml @ONLY)
configure_file(${packaging}/changelog.in ${staged}/changelog @ONLY)
# Debian wants these compressed, with no time stamp inside.
foreach(document ${staged}/changelog ${packaging}/trivolo.6)
  get_filename_component(name ${document} NAME)
  execute_process(COMMAND gzip -9nc ${document} OUTPUT_FILE ${staged}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${packaging}/trivolo.6)
file(CREATE_LINK ../lib/trivolo/trivolo ${staged}/trivolo SYMBOLIC)

function(trivolo_desktop_install destination)
  install(${ARGN} DESTINATION ${destination} COMPONENT desktop EXCLUDE_FROM_ALL)
endfunction()
set(share /usr/share)
trivolo_desktop_install(${share}/applications FILES ${packaging}/${TRIVOLO_ID}.desktop)
trivolo_desktop_install(${share}/metainfo FILES ${staged}/${TRIVOLO_ID}.metainfo.xml)
set(icons ${CMAKE_SOURCE_DIR}/assets/icons)
trivolo_desktop_install(${share}/icons/hicolor/scalable/apps FILES ${icons}/trivolo.svg RENAME ${TRIVOLO_ID}.svg)
foreach(size 16 32 48 64 128 256)
  trivolo_desktop_install(${share}/icons/hicolor/${size}x${size}/apps
    FILES ${icons}/trivolo-${size}.png RENAME ${TRIVOLO_ID}.png)
endforeach()
trivolo_desktop_install(${share}/man/man6 FILES ${staged}/trivolo.6.gz)
trivolo_desktop_install(${share}/doc/trivolo FILES ${packaging}/copyright ${staged}/changelog.gz)
trivolo_desktop_install(/usr/games FILES ${staged}/trivolo)

set(CPACK_PACKAGE_NAME trivolo)
set(CPACK_PACKAGE_VENDOR quenrix)
set(CPACK_PACKAGE_CONTACT "quenrix <trivolo@quenrix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "noughts and crosses against the computer or a friend")
set(CPACK_PACKAGE_DESCRIPTION "Trivolo is a game of noughts and crosses (tic-tac-toe) for one or two
players: against the computer, which plays well but can be beaten, or two
players taking turns at one mouse. Each player chooses the picture that
serves as their mark, and short sounds, which can be switched off, go with
the game.")
# Absolute destinations need the staging area given as DESTDIR. The package holds the default
# component and "desktop", which only an install that names it includes.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr/lib/trivolo)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Trivolo;Unspecified;/;${CMAKE_BINARY_DIR};Trivolo;desktop;/")
set(CPACK_STRIP_FILES ON)  # whatever the build type
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quenrix.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcanberra0 is opened when the first sound plays, so the libraries' scan cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcanberra0, libcanberra-pulse, sound-theme-freedesktop, qt6-qpa-plugins, \
qt6-image-formats-plugins, fonts-comic-neue, fonts-liberation2, qt6-translations-l10n")
# qt6-wayland: on a Wayland desktop the game then runs natively instead of through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm, qt6-wayland")

include(CPack)
