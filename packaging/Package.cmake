# Installation and the Debian package: cmake --install puts the program, its launcher,
# the desktop entry, the icons and the AppStream metainfo in their standard places;
# cpack -G DEB packs them with dependencies taken from the linked shared libraries.
include(GNUInstallDirs)

set(app_id org.example.kelvorin.Kelvorin2)
set(packaging ${CMAKE_CURRENT_LIST_DIR})
set(program_dir ${CMAKE_INSTALL_LIBEXECDIR}/kelvorin2)

# The program keeps its name (the error boxes are captioned with it); the launcher
# on the PATH chooses the number format first.
install(TARGETS Kelvorin2 RUNTIME DESTINATION ${program_dir})
# The launcher finds the program from its own place, so any prefix works.
file(RELATIVE_PATH KELVORIN_PROGRAM_DIR /${CMAKE_INSTALL_BINDIR} /${program_dir})
configure_file(${packaging}/kelvorin2.in ${CMAKE_BINARY_DIR}/packaging/kelvorin2 @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/kelvorin2 DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${packaging}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/kelvorin2.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${app_id}.svg)

# Bitmap icons for menus that do not draw SVG, rendered from the drawing.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icons "")
foreach(size 16 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/packaging/icons/${size}/${app_id}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/icons/${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${packaging}/kelvorin2.svg -o ${png}
        DEPENDS ${packaging}/kelvorin2.svg VERBATIM)
    list(APPEND icons ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# A compiled Russian locale for systems that have none generated, so the launcher can
# still give the program its decimal comma without changing the system's locales.
find_program(LOCALEDEF localedef REQUIRED)
set(locale_out ${CMAKE_BINARY_DIR}/packaging/locale/ru_RU.UTF-8)
add_custom_command(OUTPUT ${locale_out}/LC_NUMERIC
    COMMAND ${CMAKE_COMMAND} -E make_directory ${locale_out}
    COMMAND ${LOCALEDEF} -c -i ru_RU -f UTF-8 ${locale_out}
    VERBATIM)
install(DIRECTORY ${locale_out} DESTINATION ${program_dir}/locale)
add_custom_target(package_files ALL DEPENDS ${icons} ${locale_out}/LC_NUMERIC)

# Package.
set(CPACK_PACKAGE_NAME kelvorin2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kelvorin)
set(CPACK_PACKAGE_CONTACT "Kelvorin developers <kelvorin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Coupling capacitor calculator for valve preamplifiers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries come from what the program links; the fonts are the metric-compatible
# faces that the windows' texts were laid out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The desktop entry and the metainfo pass their validators, where those are installed;
# the launcher chooses the number format as tools/start does.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME Package.DesktopEntryIsValid COMMAND ${DESKTOP_FILE_VALIDATE} ${packaging}/${app_id}.desktop)
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    add_test(NAME Package.MetainfoIsValid
        COMMAND ${APPSTREAMCLI} validate --no-net ${packaging}/${app_id}.metainfo.xml)
endif()
add_test(NAME Package.LauncherChoosesTheNumberFormat
    COMMAND sh ${packaging}/LauncherTest.sh ${CMAKE_BINARY_DIR}/packaging/kelvorin2 ${KELVORIN_PROGRAM_DIR})
