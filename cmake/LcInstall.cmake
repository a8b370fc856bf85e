# SPDX-FileCopyrightText: Brekka Data as
#
# SPDX-License-Identifier: LGPL-2.1-or-later

# Installation under the usual GNU folders, and what a host developer builds against: the
# component's library with its public headers, a CMake package and a pkg-config file.
#
# Each target installs itself with one line beside its definition:
#   lc_install_program(<target>)   a program for the user, in bin/
#   lc_install_helper(<target>)    a program that the component starts itself, in
#                                  libexec/VoVoruzevUdadudar/; ComponentInfo::helperPath finds it
#   lc_install_component(<target> HEADERS <file>...)
#                                  the component's library, its headers and the packages
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(LC_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/${PROJECT_NAME})
set(LC_INSTALL_HELPERDIR ${CMAKE_INSTALL_LIBEXECDIR}/${PROJECT_NAME})
set(LC_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/${PROJECT_NAME})

# The build tree keeps the installed places of the library and the helpers, so that one
# relative path leads from the library, or from a program, to the helpers in both trees.
set(LC_BUILD_LIBDIR ${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_LIBDIR})
set(LC_BUILD_HELPERDIR ${PROJECT_BINARY_DIR}/${LC_INSTALL_HELPERDIR})
file(RELATIVE_PATH LC_HELPERS_FROM_LIBDIR ${CMAKE_INSTALL_FULL_LIBDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/${PROJECT_NAME})
file(RELATIVE_PATH LC_HELPERS_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/${PROJECT_NAME})
file(RELATIVE_PATH LC_LIBDIR_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})

# Release installs carry no debug information; RelWithDebInfo and Debug keep it.
install(CODE [[
if(CMAKE_INSTALL_CONFIG_NAME MATCHES "^(Release|MinSizeRel)$")
    set(CMAKE_INSTALL_DO_STRIP TRUE)
endif()
]])

function(lc_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

function(lc_install_helper target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${LC_BUILD_HELPERDIR})
    install(TARGETS ${target} RUNTIME DESTINATION ${LC_INSTALL_HELPERDIR})
endfunction()

function(lc_install_component target)
    cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
    set_target_properties(${target} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        LIBRARY_OUTPUT_DIRECTORY ${LC_BUILD_LIBDIR}
        EXPORT_NAME ${PROJECT_NAME})
    target_include_directories(${target} INTERFACE $<INSTALL_INTERFACE:${LC_INSTALL_INCLUDEDIR}>)
    install(TARGETS ${target} EXPORT ${PROJECT_NAME}Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(FILES ${ARG_HEADERS} DESTINATION ${LC_INSTALL_INCLUDEDIR})

    install(EXPORT ${PROJECT_NAME}Targets NAMESPACE ${PROJECT_NAME}::
            DESTINATION ${LC_INSTALL_CMAKEDIR})
    set(config ${PROJECT_BINARY_DIR}/${PROJECT_NAME}Config.cmake)
    set(version ${PROJECT_BINARY_DIR}/${PROJECT_NAME}ConfigVersion.cmake)
    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/PackageConfig.cmake.in ${config}
                                  INSTALL_DESTINATION ${LC_INSTALL_CMAKEDIR})
    write_basic_package_version_file(${version} VERSION ${PROJECT_VERSION}
                                     COMPATIBILITY SameMajorVersion)
    install(FILES ${config} ${version} DESTINATION ${LC_INSTALL_CMAKEDIR})

    # The pkg-config file finds its prefix from where it lies, so the tree can be moved.
    file(RELATIVE_PATH LC_PREFIX_FROM_PCDIR ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig
         ${CMAKE_INSTALL_PREFIX})
    string(REGEX REPLACE "/$" "" LC_PREFIX_FROM_PCDIR "${LC_PREFIX_FROM_PCDIR}")
    set(pc ${PROJECT_BINARY_DIR}/${PROJECT_NAME}.pc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/PackageConfig.pc.in ${pc} @ONLY)
    install(FILES ${pc} DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()
