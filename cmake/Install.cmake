# Install rules and the Debian package.
#   cmake --install <build> [--prefix /usr]   dopusk-limits and its manual in every build; with the
#                                             windows the program, its menu entry, icons, metadata
#                                             and manual too
#   (cd <build> && cpack)                     <build>/deb/dopusk_<version>_<arch>.deb (with the windows)
include(GNUInstallDirs)
if(DOPUSK_BUILD_GUI)
  include(${PROJECT_SOURCE_DIR}/packaging/Icons.cmake)
endif()

set(DOPUSK_MAINTAINER "dopusk project <${DOPUSK_MAIL_ADDRESS}>")

execute_process(COMMAND date --utc --rfc-email --date=${DOPUSK_RELEASE_DATE}
  OUTPUT_VARIABLE DOPUSK_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

set(pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(pkg_bin ${PROJECT_BINARY_DIR}/packaging)
# The manuals in English, and in Russian in ru/ where man finds them under a Russian locale.
configure_file(${pkg_src}/dopusk-limits.1.in ${pkg_bin}/dopusk-limits.1 @ONLY)
configure_file(${pkg_src}/ru/dopusk-limits.1.in ${pkg_bin}/ru/dopusk-limits.1 @ONLY)
set(docs dopusk-limits.1 ru/dopusk-limits.1)
if(DOPUSK_BUILD_GUI)
  configure_file(${pkg_src}/${DOPUSK_APP_ID}.metainfo.xml.in ${pkg_bin}/${DOPUSK_APP_ID}.metainfo.xml @ONLY)
  configure_file(${pkg_src}/changelog.in ${pkg_bin}/changelog @ONLY)
  configure_file(${pkg_src}/dopusk.1.in ${pkg_bin}/dopusk.1 @ONLY)
  configure_file(${pkg_src}/ru/dopusk.1.in ${pkg_bin}/ru/dopusk.1 @ONLY)
  list(APPEND docs changelog dopusk.1 ru/dopusk.1)
endif()

# Debian wants the changelog and the manuals compressed, without a time stamp in the gzip header.
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(doc IN LISTS docs)
  add_custom_command(OUTPUT ${pkg_bin}/${doc}.gz
    COMMAND ${GZIP} -9 --no-name --keep --force ${pkg_bin}/${doc}
    DEPENDS ${pkg_bin}/${doc}
    VERBATIM)
  list(APPEND compressed ${pkg_bin}/${doc}.gz)
endforeach()
add_custom_target(dopusk_docs ALL DEPENDS ${compressed})

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS dopusk-limits RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${pkg_bin}/dopusk-limits.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg_bin}/ru/dopusk-limits.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
install(FILES ${pkg_src}/dopusk-limits.schema.json DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The rest comes with the windows.
if(NOT DOPUSK_BUILD_GUI)
  return()
endif()
install(TARGETS dopusk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${pkg_src}/${DOPUSK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg_bin}/${DOPUSK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
get_property(hicolor GLOBAL PROPERTY DOPUSK_HICOLOR_DIR)
install(DIRECTORY ${hicolor}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${DOPUSK_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${DOPUSK_APP_ID}.svg)
install(FILES ${pkg_bin}/dopusk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg_bin}/ru/dopusk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
install(FILES ${pkg_src}/copyright ${pkg_bin}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. Library dependencies (Qt 6, the C++ runtime) are computed by
# dpkg-shlibdeps from the binary; the fonts the windows are drawn with are declared.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dopusk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "dopusk project")
set(CPACK_PACKAGE_CONTACT ${DOPUSK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reference of ISO 286 limits and fits and metric thread holes")
# Debian wraps the long description at 80 columns: lines are kept short here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Допуски и посадки (Tolerances and Fits) is a desktop reference tool for"
  "machinists and design engineers, with a Russian interface."
  "For a nominal size in millimetres and one of forty ISO 286 tolerance"
  "fields it shows the limit deviations, the largest, smallest and mean"
  "permitted size and the radius at the mean size. For a metric thread"
  "chosen by nominal diameter and pitch it shows the diameter and the"
  "tolerance of the tap-drill hole."
  ""
  "Tables of all tolerance fields and of all thread holes, a field picker,"
  "an on-screen keypad and a panel of common deviation values come with it."
  "All reference data is built in."
  ""
  "The command-line tool dopusk-limits gives the exact limit deviations of"
  "every ISO 286 tolerance class up to 3150 mm, fits, the classes of given"
  "deviations and every class at a size, as text or JSON.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/deb)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DOPUSK_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DOPUSK_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
