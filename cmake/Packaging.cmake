# The installed documents (manual pages, bash completion, AppStream metadata,
# copyright and changelogs) and the Debian package made from the installed
# layout: `cmake --build build --target package` or `cpack` in the build
# folder gives voro_VERSION_ARCH.deb.

# The release date of this version: its heading in CHANGELOG.md,
# "## [VERSION] - YYYY-MM-DD".
string(REPLACE "." "\\." _versione "${PROJECT_VERSION}")
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md _intestazione REGEX "^## \\[${_versione}\\] - [0-9]+-[0-9]+-[0-9]+$")
if(_intestazione)
  string(REGEX REPLACE ".* - " "" VORO_RELEASE_DATE "${_intestazione}")
else()
  message(WARNING "CHANGELOG.md has no heading for version ${PROJECT_VERSION}: the build date stands in")
  string(TIMESTAMP VORO_RELEASE_DATE "%Y-%m-%d" UTC)
endif()
execute_process(COMMAND date -u -R -d "${VORO_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE VORO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

set(_documenti ${PROJECT_BINARY_DIR}/documents)
set(_compressi)
# voro_gzip(SOURCE NAME): NAME.gz in the documents folder, compressed as
# Debian wants (best, no name or time stamp inside, so the same every build).
function(voro_gzip sorgente nome)
  add_custom_command(OUTPUT ${_documenti}/${nome}.gz
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${sorgente} ${_documenti}/${nome}.gz
    DEPENDS ${sorgente} VERBATIM)
  set(_compressi ${_compressi} ${_documenti}/${nome}.gz PARENT_SCOPE)
endfunction()

configure_file(docs/man/voro-cli.1.in ${_documenti}/voro-cli.1 @ONLY)
voro_gzip(${_documenti}/voro-cli.1 voro-cli.1)
configure_file(packaging/changelog.Debian.in ${_documenti}/changelog.Debian @ONLY)
voro_gzip(${_documenti}/changelog.Debian changelog.Debian)
voro_gzip(${PROJECT_SOURCE_DIR}/CHANGELOG.md changelog)
if(VORO_BUILD_GUI)
  configure_file(docs/man/voro.1.in ${_documenti}/voro.1 @ONLY)
  voro_gzip(${_documenti}/voro.1 voro.1)
  configure_file(packaging/io.github.voro_arch.Voro.metainfo.xml.in
                 ${_documenti}/io.github.voro_arch.Voro.metainfo.xml @ONLY)
endif()
add_custom_target(voro_documents ALL DEPENDS ${_compressi})

install(FILES ${_documenti}/voro-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES src/cli/completion/voro-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME voro-cli)
install(FILES packaging/copyright ${_documenti}/changelog.gz ${_documenti}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/voro)
if(VORO_BUILD_GUI)
  install(FILES ${_documenti}/voro.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${_documenti}/io.github.voro_arch.Voro.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME voro)
set(CPACK_PACKAGE_VENDOR "The Voro developers")
set(CPACK_PACKAGE_CONTACT "The Voro developers <voro-arch@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "limit analysis of masonry arches and vaults")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://voro-arch.github.io/voro/")
# The libraries the programs link, found by dpkg-shlibdeps; the Qt plugins
# for the screen, the printer and the SVG icons come with those libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opening a CAD drawing and a web page goes through the desktop's opener;
# Qt's own dialogs and buttons speak Italian with their translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "librecad")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The extended description, under the synopsis of the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Voro assesses masonry arches and vaults by limit analysis. The engineer
describes the arch (one circular ring, or a chain of circular segments), the
fill, slab and walls around it and the loads on it; Voro cuts the ring into
rigid voussoirs, finds a three-hinged thrust line (at given eccentricities,
or by a grid search for the best one) and reports the joint forces, edge
stresses, compressed fractions, reactions, tie thrust and wall actions.
.
The package holds the desktop program voro, with its help in Italian and
English and example projects, and the command line voro-cli, which solves
and plots projects in scripts (text, JSON, CSV, SVG, PNG, PDF and DXF).")
include(CPack)
