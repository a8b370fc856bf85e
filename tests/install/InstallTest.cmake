# SPDX-FileCopyrightText: Brekka Data as
#
# SPDX-License-Identifier: LGPL-2.1-or-later

# Installs the build into a temporary prefix as a host developer does and checks what was
# installed (that a release installation is stripped and holds no path of the build or source
# tree); builds the example host against the installed package with CMake and with pkg-config,
# runs both off screen on a generated data set and compares what they print; runs it with the
# library's folder read-only on a data set whose database is missing, so that the error report
# must go to the user's folder; then moves the installation out of the build tree, hides the
# build and source trees and has the host import a real Access file through the installed
# helper.
cmake_minimum_required(VERSION 3.25)
set(prefix ${WORK_DIR}/prefix)
set(data_home ${WORK_DIR}/home/data)
set(data ${data_home}/liturgy-calendar)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${data})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(failed)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command}: ${failed}\n${out}")
    endif()
endfunction()

function(expect_equal what actual expected)
    # The hosts show today, whose weekday the test cannot choose.
    string(REGEX REPLACE "(Mon|Tues|Wednes|Thurs|Fri|Satur|Sun)day - No readings"
                         "@WEEKDAY@ - No readings" actual "${actual}")
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what}:\n--- got\n${actual}\n--- expected\n${expected}")
    endif()
endfunction()

# What is installed, and where; the reference documentation is built first, as its own target.
run(${CMAKE_COMMAND} --build ${BUILD_DIR} --target docs)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --config "${CONFIG}")
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
# Of the many HTML pages, the start page and the facade's page stand for the rest.
set(pages ${installed})
list(FILTER pages INCLUDE REGEX "^share/doc/[^/]+/html/")
list(FILTER pages EXCLUDE REGEX "/html/(index|classcVoVoruzevUdadudar)\\.html$")
if(pages)
    list(REMOVE_ITEM installed ${pages})
endif()
list(SORT installed)
list(JOIN installed "\n" installed)
string(TOLOWER "${CONFIG}" config)
if(config STREQUAL "")
    set(config noconfig)
endif()
file(READ ${EXPECTED_DIR}/installed.txt expected)
string(REPLACE "@LIBDIR@" "${LIBDIR}" expected "${expected}")
string(REPLACE "@CONFIG@" "${config}" expected "${expected}")
string(STRIP "${expected}" expected)
expect_equal("installed files" "${installed}" "${expected}")

# What a distribution checks: the AppStream description validates, the manual pages format
# without a warning, the reference documentation holds the facade's page and a Qt help file.
run(appstreamcli validate --no-net ${prefix}/share/metainfo/liturgy-calendar.metainfo.xml)
foreach(page liturgy-calendar make-sample-data)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80
                            man --warnings -E UTF-8 -l ${prefix}/share/man/man1/${page}.1
                    OUTPUT_VARIABLE text ERROR_VARIABLE warnings RESULT_VARIABLE failed)
    expect_equal("formatting ${page}.1 (${failed})" "${warnings}" "")
endforeach()
set(doc ${prefix}/share/doc/VoVoruzevUdadudar)
file(READ ${doc}/html/classcVoVoruzevUdadudar.html page)
file(READ ${doc}/VoVoruzevUdadudar.qch help LIMIT 15)
string(SUBSTRING "${help}" 0 15 help) # the file's first 15 bytes, whatever CMake adds
string(REGEX MATCHALL "mErrorFromClient|mSetCommandStatus|pVkIniFile" named "${page}")
list(REMOVE_DUPLICATES named)
list(SORT named)
expect_equal("the reference documentation" "${help}: ${named}"
             "SQLite format 3: mErrorFromClient;mSetCommandStatus;pVkIniFile")

set(lib ${prefix}/${LIBDIR})
file(READ_SYMLINK ${lib}/libVoVoruzevUdadudar.so link)
file(READ_SYMLINK ${lib}/libVoVoruzevUdadudar.so.1 versioned)
execute_process(COMMAND objdump -p ${lib}/libVoVoruzevUdadudar.so.1.0.1 OUTPUT_VARIABLE heads)
string(REGEX MATCH "SONAME +[^\n]+" soname "${heads}")
expect_equal("library names" "${link} ${versioned} ${soname}"
             "libVoVoruzevUdadudar.so.1 libVoVoruzevUdadudar.so.1.0.1 SONAME               libVoVoruzevUdadudar.so.1")

# A release installation carries no debug information, and none of its files names a place
# in the build or source tree: such a path works on the machine that built it and nowhere else.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/release --config Release)
execute_process(COMMAND objdump -h ${WORK_DIR}/release/${LIBDIR}/libVoVoruzevUdadudar.so.1.0.1
                OUTPUT_VARIABLE sections)
if(NOT sections MATCHES "\\.text" OR sections MATCHES "\\.debug_")
    message(FATAL_ERROR "the release installation is not stripped:\n${sections}")
endif()
file(GLOB_RECURSE released LIST_DIRECTORIES false ${WORK_DIR}/release/*)
# An instrumented build names its source files for its reports, by design and whatever the
# prefix maps say; it is never shipped, so only an uninstrumented one is looked through.
if(SANITIZE)
    set(released "")
endif()
set(tree_paths "")
foreach(file ${released})
    execute_process(COMMAND strings -a ${file} OUTPUT_VARIABLE texts)
    foreach(tree ${BUILD_DIR} ${SOURCE_DIR}/)
        string(FIND "${texts}" "${tree}" at)
        if(at GREATER -1)
            file(RELATIVE_PATH name ${WORK_DIR}/release ${file})
            string(SUBSTRING "${texts}" ${at} 120 found)
            string(APPEND tree_paths "${name}: ${found}\n")
        endif()
    endforeach()
endforeach()
expect_equal("paths of the build or source tree in installed files" "${tree_paths}" "")

# The example host, built with the package's CMake configuration and with pkg-config.
set(flags "")
if(SANITIZE)
    set(flags "-fsanitize=address,undefined")
endif()
run(${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${WORK_DIR}/cmake -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX}
    -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER} -DCMAKE_CXX_FLAGS=${flags})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake)

set(pc_env ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${lib}/pkgconfig)
execute_process(COMMAND ${pc_env} pkg-config --cflags --libs VoVoruzevUdadudar
                OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND pkg-config --variable=libexecdir Qt6Core OUTPUT_VARIABLE qt_libexec
                OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
file(MAKE_DIRECTORY ${WORK_DIR}/pkg-config)
run(${qt_libexec}/moc ${EXAMPLE_DIR}/main.cpp -o ${WORK_DIR}/pkg-config/main.moc)
run(${LAUNCHER} ${CXX} -std=c++17 -fPIC ${flags} -I${WORK_DIR}/pkg-config ${EXAMPLE_DIR}/main.cpp
    -o ${WORK_DIR}/pkg-config/minimal-host ${pc_flags})

# Both run off screen on the default data set. Its one year lies long before today, so
# the day shown (today) has no liturgical days and the status text is the edition's name.
set(host_env ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=${data_home}
    XDG_CONFIG_HOME=${WORK_DIR}/home/config XDG_CACHE_HOME=${WORK_DIR}/home/cache
    XDG_RUNTIME_DIR=${WORK_DIR}/home/runtime HOME=${WORK_DIR}/home LC_ALL=C.UTF-8
    LD_LIBRARY_PATH=${lib} ASAN_OPTIONS=detect_leaks=0)
file(MAKE_DIRECTORY ${WORK_DIR}/home/runtime)
file(CHMOD ${WORK_DIR}/home/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
run(${host_env} ${prefix}/bin/make-sample-data --out ${data} --from 1990 --to 1990)
file(READ ${EXPECTED_DIR}/messages.txt expected)
foreach(host ${WORK_DIR}/cmake/minimal-host ${WORK_DIR}/pkg-config/minimal-host)
    execute_process(COMMAND ${host_env} ${host} --unattended RESULT_VARIABLE failed
                    OUTPUT_VARIABLE out ERROR_VARIABLE err)
    expect_equal("${host} (${failed}; ${err})" "${out}" "${expected}")
endforeach()

# The library's folder cannot be written (an installed library's never can): the report of
# a failure goes to the user's log folder. Root writes anywhere unless it gives that up.
file(WRITE ${WORK_DIR}/missing.ini "[Files]\r\nLiturgyFile=${WORK_DIR}/missing.db\r\n")
file(CHMOD ${lib} DIRECTORY_PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
set(as_user "")
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(uid STREQUAL "0")
    set(as_user setpriv --inh-caps=-dac_override,-dac_read_search
                        --bounding-set=-dac_override,-dac_read_search)
endif()
execute_process(COMMAND ${host_env} ${as_user} ${WORK_DIR}/cmake/minimal-host --unattended
                        --ini ${WORK_DIR}/missing.ini
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(CHMOD ${lib} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(READ ${EXPECTED_DIR}/failure-messages.txt expected)
string(REPLACE "@WORK_DIR@" "${WORK_DIR}" expected "${expected}")
expect_equal("the host on a missing database (${failed}; ${err})" "${out}" "${expected}")
if(EXISTS ${lib}/ERRORS.TXT)
    message(FATAL_ERROR "the error report was written into the library's folder")
endif()
set(report_file "${data_home}/Brekka Data as/LogFiles/ERRORS.TXT")
if(NOT EXISTS "${report_file}")
    message(FATAL_ERROR "no error report in the user's log folder")
endif()
file(READ "${report_file}" report)
string(REGEX REPLACE "\r?\n" ";" report "${report}")
list(GET report 0 heading)
list(FILTER report INCLUDE REGEX "^(Error String|Error Procedure|App Path) *: ")
list(PREPEND report "${heading}")
list(JOIN report "\n" report)
file(READ ${EXPECTED_DIR}/report.txt expected)
string(REPLACE "@LIB@" "${lib}" expected "${expected}")
string(REPLACE "@WORK_DIR@" "${WORK_DIR}" expected "${expected}")
string(STRIP "${expected}" expected)
expect_equal("the error report" "${report}" "${expected}")

# Moved: the installation leaves the build tree, and the build and source trees are hidden
# (a private mount namespace lays an empty folder over each), as on a machine that never saw
# them. The host opens a real Access file: the installed helper must be found from the library.
set(nwind "")
foreach(up ../shared/testdata ../../shared/testdata)
    if(EXISTS ${SOURCE_DIR}/${up}/nwind.mdb)
        get_filename_component(nwind ${SOURCE_DIR}/${up}/nwind.mdb ABSOLUTE)
        break()
    endif()
endforeach()
if(nwind STREQUAL "")
    message("SKIPPED: the Access test file (shared/testdata/nwind.mdb beside the checkout) is "
            "not there, so no Access file was imported through the moved installation")
    return()
endif()
execute_process(COMMAND unshare -rm true RESULT_VARIABLE no_namespace OUTPUT_QUIET ERROR_QUIET)
if(no_namespace)
    message("SKIPPED: no private mount namespace (unshare -rm), so the build tree cannot be "
            "hidden from the moved installation")
    return()
endif()
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE moved OUTPUT_STRIP_TRAILING_WHITESPACE)
file(RENAME ${prefix} ${moved}/prefix)
file(COPY ${WORK_DIR}/cmake/minimal-host DESTINATION ${moved})
file(MAKE_DIRECTORY ${moved}/home/runtime ${moved}/data)
file(CHMOD ${moved}/home/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(COPY ${nwind} DESTINATION ${moved}/data)
file(WRITE ${moved}/data/access.ini "[Files]\r\nLiturgyFile=${moved}/data/nwind.mdb\r\n")
set(hide "for tree in \"$1\" \"$2\"; do mount -t tmpfs hidden \"$tree\" || exit 90; done")
set(hide "${hide}; test -e \"$1/CMakeCache.txt\" && exit 91; shift 2; exec \"$@\"")
# The build tree first: it may lie inside the source tree.
execute_process(
    COMMAND unshare -rm sh -c "${hide}" hide ${BUILD_DIR} ${SOURCE_DIR}
            ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            XDG_DATA_HOME=${moved}/home/data XDG_CONFIG_HOME=${moved}/home/config
            XDG_CACHE_HOME=${moved}/home/cache XDG_RUNTIME_DIR=${moved}/home/runtime
            HOME=${moved}/home LC_ALL=C.UTF-8 LD_LIBRARY_PATH=${moved}/prefix/${LIBDIR}
            ASAN_OPTIONS=detect_leaks=0
            ${moved}/minimal-host --unattended --ini ${moved}/data/access.ini
    RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB copies "${moved}/home/cache/Brekka Data as/AccessCopies/*")
set(header "")
if(copies)
    list(GET copies 0 copy)
    file(READ ${copy} header LIMIT 15)
    string(SUBSTRING "${header}" 0 15 header)
endif()
file(REMOVE_RECURSE ${moved})
file(READ ${EXPECTED_DIR}/access-messages.txt expected)
string(REPLACE "@DATA@" "${moved}/data" expected "${expected}")
expect_equal("the moved installation on an Access file (${failed}; ${err})" "${out}" "${expected}")
expect_equal("the imported copy" "${header}" "SQLite format 3")
