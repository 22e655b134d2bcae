# Installing like a desktop program: the programs in bin/, the shipped data
# in share/kuvex/ (read-only; each user's own files go to
# $XDG_DATA_HOME/kuvex), the desktop entry, the icons, the MIME type and
# the manual pages. `cpack -G DEB` makes the Debian package of it.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS kuvex kuvex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(_share ${CMAKE_INSTALL_DATADIR}/kuvex)
file(GLOB _xml ${CMAKE_SOURCE_DIR}/data/*.xml)
install(FILES ${_xml} ${CMAKE_SOURCE_DIR}/data/Splash.bmp ${CMAKE_SOURCE_DIR}/data/logo.gif DESTINATION ${_share})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/hilfe ${CMAKE_SOURCE_DIR}/data/icons DESTINATION ${_share})

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/kuvex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/kuvex-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME kuvex.xml)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/kuvex.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(_size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/kuvex-${_size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps RENAME kuvex.png)
endforeach()

# Manual pages and the Debian changelog are installed compressed, as
# Debian wants them; -n keeps the bytes the same from build to build.
find_program(KUVEX_GZIP gzip REQUIRED)
set(_gz)
function(kuvex_gzip source target)
  add_custom_command(OUTPUT ${target}
    COMMAND ${KUVEX_GZIP} -9nc ${source} > ${target}
    DEPENDS ${source})
  set(_gz ${_gz} ${target} PARENT_SCOPE)
endfunction()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man/de)
foreach(_page kuvex kuvex-cli)
  kuvex_gzip(${CMAKE_SOURCE_DIR}/data/man/${_page}.1 ${CMAKE_BINARY_DIR}/man/${_page}.1.gz)
  kuvex_gzip(${CMAKE_SOURCE_DIR}/data/man/de/${_page}.1 ${CMAKE_BINARY_DIR}/man/de/${_page}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/${_page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_BINARY_DIR}/man/de/${_page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
endforeach()
kuvex_gzip(${CMAKE_SOURCE_DIR}/data/debian/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_target(kuvex_man ALL DEPENDS ${_gz})
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kuvex)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kuvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kuvex <support@kuvex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cash book for small businesses")
set(CPACK_PACKAGE_DESCRIPTION "Kuvex records every cash receipt and payment of a till day by day against
a catalogue of receipt texts with their VAT rates, shows the cash balance,
prints a cash report and a statistics report, and exports a month as CSV
tables for the tax adviser. The user interface is German.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kuvex.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
