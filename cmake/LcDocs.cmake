# SPDX-FileCopyrightText: Brekka Data as
#
# SPDX-License-Identifier: LGPL-2.1-or-later

# What ships beside the programs: the reference documentation (HTML and a Qt help file for Qt
# Creator and Qt Assistant, from the installed headers and the host guide), the manual pages,
# the licence texts.
#
# The reference documentation is not part of the default build:
#   cmake --build build --target docs
# writes it into build/doc/, and what has been written is installed under share/doc/.
set(LC_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
set(LC_DOC_OUTPUT ${PROJECT_BINARY_DIR}/doc)

find_package(Doxygen QUIET)
if(DOXYGEN_FOUND AND TARGET Qt6::moc)
    # qhelpgenerator lies beside moc, in Qt's folder of helper programs.
    get_target_property(lc_moc Qt6::moc IMPORTED_LOCATION)
    get_filename_component(lc_qt_libexec ${lc_moc} DIRECTORY)
    find_program(LC_QHELPGENERATOR qhelpgenerator HINTS ${lc_qt_libexec})
    set(LC_DOC_HEADERS
        ${PROJECT_SOURCE_DIR}/src/component/VoVoruzevUdadudar.h
        ${PROJECT_SOURCE_DIR}/src/component/cVoVoruzevUdadudar.h
        ${PROJECT_SOURCE_DIR}/src/component/VoVoruzevUdadudarExport.h)
    list(JOIN LC_DOC_HEADERS " " LC_DOC_INPUT)
    string(APPEND LC_DOC_INPUT " ${PROJECT_SOURCE_DIR}/docs/host-guide.md")
    configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${PROJECT_BINARY_DIR}/Doxyfile @ONLY)
    add_custom_command(OUTPUT ${LC_DOC_OUTPUT}/html/index.html ${LC_DOC_OUTPUT}/${PROJECT_NAME}.qch
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${LC_DOC_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${LC_DOC_OUTPUT}
        COMMAND Doxygen::doxygen ${PROJECT_BINARY_DIR}/Doxyfile
        # The help project is only the help generator's input.
        COMMAND ${CMAKE_COMMAND} -E rm -f ${LC_DOC_OUTPUT}/html/index.qhp
        DEPENDS ${LC_DOC_HEADERS} ${PROJECT_SOURCE_DIR}/docs/host-guide.md
                ${PROJECT_BINARY_DIR}/Doxyfile
        COMMENT "Reference documentation (HTML and Qt help)")
    add_custom_target(docs DEPENDS ${LC_DOC_OUTPUT}/html/index.html)
endif()
install(DIRECTORY ${LC_DOC_OUTPUT}/html DESTINATION ${LC_INSTALL_DOCDIR} OPTIONAL)
install(FILES ${LC_DOC_OUTPUT}/${PROJECT_NAME}.qch DESTINATION ${LC_INSTALL_DOCDIR} OPTIONAL)

install(FILES ${PROJECT_SOURCE_DIR}/docs/man/liturgy-calendar.1
              ${PROJECT_SOURCE_DIR}/docs/man/make-sample-data.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-2.1-or-later.txt DESTINATION ${LC_INSTALL_DOCDIR})
