# Installation and the Debian package: cmake --install puts the program, its launcher,
# the desktop entry, the icons, the AppStream metainfo, the manual page and the documents
# in their standard places; cpack -G DEB packs them with dependencies taken from the
# linked shared libraries.
set(app_id ${KELVORIN_APP_ID})
set(packaging ${CMAKE_CURRENT_LIST_DIR})
set(program_dir ${KELVORIN_INSTALL_PROGRAM_DIR})
set(doc_dir ${KELVORIN_INSTALL_DOC_DIR})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(package_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})

# The program keeps its name (the error boxes are captioned with it); the launcher
# on the PATH chooses the number format first.
install(TARGETS Kelvorin2 RUNTIME DESTINATION ${program_dir})
# Installed stripped, of the debugging data and of the sections only the build needs,
# as Debian strips its own programs.
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${program_dir}/Kelvorin2\" COMMAND_ERROR_IS_FATAL ANY)")
# The launcher finds the program from its own place, so any prefix works.
file(RELATIVE_PATH KELVORIN_PROGRAM_DIR /${CMAKE_INSTALL_BINDIR} /${program_dir})
configure_file(${packaging}/kelvorin2.in ${CMAKE_BINARY_DIR}/packaging/kelvorin2 @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/kelvorin2 DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${packaging}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metainfo names the homepage, the repository and the README's pictures in it.
set(KELVORIN_SCREENSHOTS ${KELVORIN_REPOSITORY}/raw/main/docs)
set(metainfo ${CMAKE_BINARY_DIR}/packaging/${app_id}.metainfo.xml)
configure_file(${packaging}/${app_id}.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
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

# The manual page and the Debian changelog, compressed as Debian keeps them (-n: no
# name or time inside, so the same sources give the same package).
function(kelvorin_gzip from to)
    add_custom_command(OUTPUT ${to} COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${from} ${to} DEPENDS ${from} VERBATIM)
endfunction()
file(STRINGS ${packaging}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^kelvorin2 \\(${package_version}\\) ")
    message(FATAL_ERROR "packaging/changelog has no entry for ${package_version} at its top")
endif()
set(manual ${CMAKE_BINARY_DIR}/packaging/kelvorin2.1.gz)
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
configure_file(${packaging}/kelvorin2.1.in ${CMAKE_BINARY_DIR}/packaging/kelvorin2.1 @ONLY)
kelvorin_gzip(${CMAKE_BINARY_DIR}/packaging/kelvorin2.1 ${manual})
kelvorin_gzip(${packaging}/changelog ${changelog})
install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kelvorin2)
configure_file(${packaging}/copyright ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright ${changelog} ${PROJECT_SOURCE_DIR}/README.md
    DESTINATION ${doc_dir})
file(GLOB readme_pictures ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${readme_pictures} DESTINATION ${doc_dir}/docs)
add_custom_target(package_files ALL DEPENDS ${icons} ${locale_out}/LC_NUMERIC ${manual} ${changelog})

# Package.
set(CPACK_PACKAGE_NAME kelvorin2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kelvorin)
set(CPACK_PACKAGE_CONTACT "Kelvorin developers <kelvorin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Under the summary; a line holding only "." is an empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kelvorin2 is an engineering calculator for designers of valve (vacuum-tube)
audio preamplifiers. It sizes the coupling capacitor between the anode of one
stage and the grid of the next: from the grid-leak resistance of the next
stage, the lower cut-off frequency and a range of the low-frequency distortion
factor it lists the attenuation in dB and the capacitance for every step.
.
It plots the capacitance against the attenuation and the phase shift of a
chosen capacitor over 1 to 199 Hz, zooms and pans the charts with the mouse,
copies and saves the table (CSV) and the charts (PNG, SVG), and shows the
circuit it is about. The window speaks Russian; the table can also be written
on the command line without a window.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A cross-built program is packed for the machine it runs on, not the one that built it.
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR STREQUAL "aarch64")
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries come from what the program links; the fonts are the metric-compatible
# faces that the windows' texts were laid out for; Qt's own translations make its
# dialogs speak the user's language.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)

# The desktop entry and the metainfo pass their validators, and the package lintian,
# where those are installed; the launcher chooses the number format as tools/start does.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME Package.DesktopEntryIsValid COMMAND ${DESKTOP_FILE_VALIDATE} ${packaging}/${app_id}.desktop)
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    add_test(NAME Package.MetainfoIsValid COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo})
endif()
find_program(LINTIAN lintian)
if(LINTIAN)
    add_test(NAME Package.LintianFindsNoErrorsOrWarnings
        COMMAND sh ${packaging}/LintianTest.sh ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${LINTIAN})
    set_tests_properties(Package.LintianFindsNoErrorsOrWarnings PROPERTIES TIMEOUT 600)
endif()
add_test(NAME Package.LauncherChoosesTheNumberFormat
    COMMAND sh ${packaging}/LauncherTest.sh ${CMAKE_BINARY_DIR}/packaging/kelvorin2 ${KELVORIN_PROGRAM_DIR})
