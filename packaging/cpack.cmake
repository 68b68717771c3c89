# The Debian package, made by CPack from the install rules:
#   tools/package.sh   (or `cpack` in the build tree)
# gives trellan_<version>_amd64.deb, the version being project()'s.

if(NOT WIN32 AND NOT APPLE)

include(${PROJECT_SOURCE_DIR}/about_window/version_record.cmake)
set(TRELLAN_MAINTAINER "${TRELLAN_COMPANY_NAME} <trellan@trellan.example.org>")

# The copyright file and the changelog, which every Debian package carries.
# The version has no Debian revision, so this is a native package, and its
# changelog is changelog.gz (changelog.Debian.gz is for packaged upstreams).
# gzip -n leaves out the name and time, so the same sources give the same bytes.
set(deb_dir ${CMAKE_BINARY_DIR}/generated/debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${deb_dir}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${deb_dir}/changelog @ONLY)
add_custom_command(
    OUTPUT ${deb_dir}/changelog.gz
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${deb_dir}/changelog
        ${deb_dir}/changelog.gz
    DEPENDS ${deb_dir}/changelog
    VERBATIM)
add_custom_target(trellan_debian_docs DEPENDS ${deb_dir}/changelog.gz)
# Built with the program, so that installing after building only the
# program finds everything in place.
add_dependencies(trellan trellan_debian_docs)
install(FILES ${deb_dir}/copyright ${deb_dir}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trellan)
# All four numbers of the version record: 1.0.0.65, not CPack's default 1.0.0.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${TRELLAN_COMPANY_NAME}")
set(CPACK_PACKAGE_CONTACT "${TRELLAN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "teaching tool that plots two straight lines and finds where they cross")
set(CPACK_PACKAGE_DESCRIPTION
    "Type the two end points of each of two lines and Trellan plots both on a
grid with numbered axes, writes each line's slope, y-intercept, equation and
axis crossings, and finds the point where the lines cross, or says that they
are parallel or the same line. Every number it shows follows fixed digit
rules, so a pupil can compare it with a worked answer character for
character.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# Libraries come from dpkg-shlibdeps, except the workbook library, which the
# program opens only when it writes a workbook (app/xlsx_library.cpp); the
# faces the window asks for by name come from the font packages (see the
# font table in docs/fonts.md).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libxlsxwriter4, fonts-comic-neue, fonts-dejavu-core, fonts-dejavu-extra, fonts-liberation")
# Qt's own texts (file dialogs, Yes and No, the print dialog) in German,
# French and Spanish; without them those stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)

endif()
