# What a Linux installation adds around the program folder, and the Debian
# package that carries it all (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

set(VANTOR_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(VANTOR_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${VANTOR_GENERATED_DIR})

# Debian wants manual pages and changelogs compressed, without a timestamp
# so that two builds give the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(VANTOR_COMPRESSED_FILES)
function(vantor_compressed source output)
  configure_file(${source} ${VANTOR_GENERATED_DIR}/${output} @ONLY)
  add_custom_command(OUTPUT ${VANTOR_GENERATED_DIR}/${output}.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -f -k ${output}
    DEPENDS ${VANTOR_GENERATED_DIR}/${output} ${source}
    WORKING_DIRECTORY ${VANTOR_GENERATED_DIR}
    VERBATIM)
  list(APPEND VANTOR_COMPRESSED_FILES ${VANTOR_GENERATED_DIR}/${output}.gz)
  set(VANTOR_COMPRESSED_FILES ${VANTOR_COMPRESSED_FILES} PARENT_SCOPE)
endfunction()
vantor_compressed(${VANTOR_PACKAGING_DIR}/vantor.1.in vantor.1)
vantor_compressed(${VANTOR_PACKAGING_DIR}/vantor-cli.1.in vantor-cli.1)
vantor_compressed(${VANTOR_PACKAGING_DIR}/changelog.in changelog)
add_custom_target(vantor_packaging_files ALL DEPENDS ${VANTOR_COMPRESSED_FILES})

install(FILES ${VANTOR_GENERATED_DIR}/vantor.1.gz ${VANTOR_GENERATED_DIR}/vantor-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VANTOR_PACKAGING_DIR}/copyright ${VANTOR_GENERATED_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantor)
install(FILES ${VANTOR_PACKAGING_DIR}/vantor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VANTOR_PACKAGING_DIR}/vantor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# File managers show the emblem on models and libraries under their types' names.
foreach(type model library)
  install(FILES ${VANTOR_PACKAGING_DIR}/vantor.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-vantor-${type}.svg)
endforeach()
install(FILES ${VANTOR_PACKAGING_DIR}/vantor-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vantor.xml)

# The programs stay in their folder beside their support files; the command
# path gets relative links to them.
foreach(program vantor vantor-cli)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK \"../${VANTOR_INSTALL_DIR}/${program}\" \"\${bin}/${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/${program} -> ../${VANTOR_INSTALL_DIR}/${program}\")")
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Vantor developers <maintainers@users.noreply.c-seed-44352b53.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bond-graph editor with causality analysis and Simulink generation")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Vantor draws bond-graph models of physical systems from library palettes\n"
  "of sources, storages, resistors, transformers, gyrators, junctions and\n"
  "signal blocks, assigns and checks their causality, turns the causal graph\n"
  "into a Simulink model through text templates, and simulates and plots it.\n"
  "vantor-cli does the same without a window.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdotool")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
