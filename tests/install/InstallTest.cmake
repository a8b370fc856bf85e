# Installs the build into a temporary prefix as a host developer does and checks what was
# installed (and that a release installation is stripped); builds the example host against
# the installed package with CMake and with pkg-config, runs both off screen on a generated
# data set and compares what they print; then runs it with the library's folder read-only on
# a data set whose database is missing, so that the error report must go to the user's folder.
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
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what}:\n--- got\n${actual}\n--- expected\n${expected}")
    endif()
endfunction()

# What is installed, and where.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --config "${CONFIG}")
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
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

set(lib ${prefix}/${LIBDIR})
file(READ_SYMLINK ${lib}/libVoVoruzevUdadudar.so link)
file(READ_SYMLINK ${lib}/libVoVoruzevUdadudar.so.1 versioned)
execute_process(COMMAND objdump -p ${lib}/libVoVoruzevUdadudar.so.1.0.1 OUTPUT_VARIABLE heads)
string(REGEX MATCH "SONAME +[^\n]+" soname "${heads}")
expect_equal("library names" "${link} ${versioned} ${soname}"
             "libVoVoruzevUdadudar.so.1 libVoVoruzevUdadudar.so.1.0.1 SONAME               libVoVoruzevUdadudar.so.1")

# A release installation carries no debug information.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/release --config Release)
execute_process(COMMAND objdump -h ${WORK_DIR}/release/${LIBDIR}/libVoVoruzevUdadudar.so.1.0.1
                OUTPUT_VARIABLE sections)
if(NOT sections MATCHES "\\.text" OR sections MATCHES "\\.debug_")
    message(FATAL_ERROR "the release installation is not stripped:\n${sections}")
endif()

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
