# Packaging of the library for the people who call it.
#
# Linux: `cmake --install` puts the library, the public headers, the
# copybooks, a CMake package configuration (find_package(vrxagapi) gives the
# imported target vrxagapi::vrxagapi) and a pkg-config file (vrxagapi.pc)
# under the prefix. The stand-in platform libraries are not part of it (the
# real platform replaces them); `cmake --install <dir> --component standins`
# installs them on their own, for running programs without a database.
#
# Windows: the target `windows-package` zips VRXAGAPI.dll (with its version
# resource), its import library, its .def file, the headers and the
# copybooks (include/cobol) into VRXAGAPI-<version>-windows-i686.zip in the
# build directory.
include(GNUInstallDirs)

set(VRX_PUBLIC_HEADERS ${CMAKE_SOURCE_DIR}/include/vrxagapi.h ${CMAKE_SOURCE_DIR}/include/vrx_abi.h)
set(VRX_PUBLIC_HEADER_DIR ${CMAKE_SOURCE_DIR}/include/vrxagapi)
# The COBOL copybooks of the caller records, one per record.
file(GLOB VRX_PACKAGE_COPYBOOKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/include/cobol/*.cpy)

if(WIN32)
    # The DLL's version resource, from the project version.
    configure_file(${CMAKE_SOURCE_DIR}/cmake/package/vrxagapi.rc.in ${CMAKE_BINARY_DIR}/vrxagapi.rc @ONLY)
    target_sources(vrxagapi PRIVATE ${CMAKE_BINARY_DIR}/vrxagapi.rc)

    set(stage ${CMAKE_BINARY_DIR}/windows-package/VRXAGAPI-${PROJECT_VERSION})
    set(zip ${CMAKE_BINARY_DIR}/VRXAGAPI-${PROJECT_VERSION}-windows-i686.zip)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/windows-package)
    add_custom_target(windows-package
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${zip}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/bin ${stage}/lib ${stage}/include/vrxagapi
                ${stage}/include/cobol
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vrxagapi> ${stage}/bin
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_LINKER_FILE:vrxagapi> ${VRX_DEF_FILE} ${stage}/lib
        COMMAND ${CMAKE_COMMAND} -E copy ${VRX_PUBLIC_HEADERS} ${stage}/include
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${VRX_PUBLIC_HEADER_DIR} ${stage}/include/vrxagapi
        COMMAND ${CMAKE_COMMAND} -E copy ${VRX_PACKAGE_COPYBOOKS} ${stage}/include/cobol
        COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip VRXAGAPI-${PROJECT_VERSION}
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/windows-package
        DEPENDS vrxagapi
        COMMENT "Zipping VRXAGAPI-${PROJECT_VERSION}-windows-i686.zip"
        VERBATIM)
    return()
endif()

install(TARGETS vrxagapi LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${VRX_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${VRX_PUBLIC_HEADER_DIR} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${VRX_PACKAGE_COPYBOOKS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/cobol)

# The package configuration defines the imported target itself: an exported
# target set would have to name the platform libraries the library links.
set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/vrxagapi)
include(CMakePackageConfigHelpers)
set(VRX_LIBRARY_FILE ${CMAKE_SHARED_LIBRARY_PREFIX}vrxagapi${CMAKE_SHARED_LIBRARY_SUFFIX})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/package/vrxagapi-config.cmake.in
                              ${CMAKE_BINARY_DIR}/vrxagapi-config.cmake INSTALL_DESTINATION ${config_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/vrxagapi-config-version.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/vrxagapi-config.cmake ${CMAKE_BINARY_DIR}/vrxagapi-config-version.cmake
        DESTINATION ${config_dir})

# pkg-config: the prefix is taken from where the file lies, so the installed
# tree can be moved.
file(RELATIVE_PATH VRX_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${CMAKE_SOURCE_DIR}/cmake/package/vrxagapi.pc.in ${CMAKE_BINARY_DIR}/vrxagapi.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/vrxagapi.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(TARGETS vrxapp vrxsys vrxwint LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        COMPONENT standins EXCLUDE_FROM_ALL)
