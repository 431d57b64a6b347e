# Installation layout and the Debian package.
#
# `cmake --install` puts the programs in bin, and here the desktop entry with its icon, the MIME
# type of PureBasic sources, the manual pages, the copyright file and the changelog under share;
# `cpack` in the build directory wraps the same tree into gantrell_<version>_<arch>.deb.

include(GNUInstallDirs)

set(GANTRELL_LINUX_DIR ${PROJECT_SOURCE_DIR}/packaging/linux)
set(GANTRELL_MAN_DIR ${PROJECT_SOURCE_DIR}/docs/man)

set(gantrell_pages gantrell-cli.1)
if(GANTRELL_GTK)
  # The desktop entry opens PureBasic sources (the MIME type below) in gantrell-gtk.
  install(FILES ${GANTRELL_LINUX_DIR}/gantrell.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${GANTRELL_LINUX_DIR}/gantrell-purebasic.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${GANTRELL_LINUX_DIR}/gantrell.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  list(APPEND gantrell_pages gantrell-gtk.1)
endif()

# Manual pages get the project's version and go out compressed, as Debian's manual pages are.
set(gantrell_man_pages)
foreach(page ${gantrell_pages})
  set(configured ${CMAKE_CURRENT_BINARY_DIR}/man/source/${page})
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
  configure_file(${GANTRELL_MAN_DIR}/${page} ${configured} @ONLY)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E copy ${configured} ${CMAKE_CURRENT_BINARY_DIR}/man/${page}
    COMMAND gzip -9nf ${CMAKE_CURRENT_BINARY_DIR}/man/${page}
    DEPENDS ${configured}
    COMMENT "Compressing the manual page ${page}"
    VERBATIM)
  list(APPEND gantrell_man_pages ${compressed})
endforeach()
add_custom_target(gantrell_man_pages ALL DEPENDS ${gantrell_man_pages})
install(FILES ${gantrell_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence in Debian's machine-readable form, and the changelog as a native package carries
# it: compressed, named changelog.gz.
set(gantrell_changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz)
configure_file(${GANTRELL_LINUX_DIR}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/doc/source/changelog
               @ONLY)
add_custom_command(
  OUTPUT ${gantrell_changelog}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_BINARY_DIR}/doc/source/changelog
          ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog
  COMMAND gzip -9nf ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/doc/source/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(gantrell_changelog ALL DEPENDS ${gantrell_changelog})
install(FILES ${GANTRELL_LINUX_DIR}/copyright ${gantrell_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Stripping for the package (cmake --install --strip, cpack) also drops the compiler's .comment
# notes, as Debian's own packages are stripped.
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program gantrell-cli gantrell-gtk)
      set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/${program}")
      if(EXISTS "${file}")
        execute_process(COMMAND objcopy --remove-section=.comment "${file}" RESULT_VARIABLE failed)
        if(failed)
          message(FATAL_ERROR "objcopy could not drop the .comment section of ${file}")
        endif()
      endif()
    endforeach()
  endif()
]])

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gantrell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Gantrell")
set(CPACK_PACKAGE_CONTACT "Gantrell developers <gantrell@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "PureBasic DLL import header generator")
set(CPACK_PACKAGE_DESCRIPTION
    "Gantrell reads the main source file of a PureBasic DLL and every file it
includes, finds each procedure declared with ProcedureDLL and writes the
Import block that another PureBasic program includes to call them.
gantrell-gtk is the desktop program (GTK 2), gantrell-cli the same scan for
build scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from dpkg-shlibdeps over the programs, so it names the libraries this build
# linked, with the versions of the release it was built on: libpcre2-8-0 for PCRE2 (libpcre3
# with -DGANTRELL_PCRE=pcre1), libgtk2.0-0, libstdc++6, libc6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
