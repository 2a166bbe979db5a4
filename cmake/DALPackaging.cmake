# Debian packages, one per install component:
#   libdal0       runtime      the shared library, licence and change log
#   libdal-dev    dev          headers, CMake package, pkg-config file, libdal.so
#   libdal-tools  tools        dal-inspect and the sample tree
# "cpack -G DEB" in the build directory writes them there. The dependencies
# on Qt's runtime packages come from dpkg-shlibdeps (package dpkg-dev).

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/CHANGELOG.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT runtime)

set(CPACK_PACKAGE_NAME lib${DAL_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "libdal maintainers <libdal@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL runtime dev tools)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dal-inspect needs libdal.so.0 from the runtime package, which is not
# installed on the build machine: dpkg-shlibdeps finds it in the build tree,
# and libdal-tools names libdal0 itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/src)
# Debian inserts a hyphen before the soname version when the name ends in a digit.
if(DAL_NAME MATCHES "[0-9]$")
    set(DAL_RUNTIME_PACKAGE lib${DAL_NAME}-${PROJECT_VERSION_MAJOR})
else()
    set(DAL_RUNTIME_PACKAGE lib${DAL_NAME}${PROJECT_VERSION_MAJOR})
endif()
set(DAL_RUNTIME_DEPENDENCY "${DAL_RUNTIME_PACKAGE} (= ${PROJECT_VERSION})")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${DAL_RUNTIME_PACKAGE})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# The project description is every package's synopsis; these are the long
# descriptions.
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "The shared library. libdal reads the XML configuration tree
of a host application for low-power radio chips and hands it typed,
copyable views of every configuration file.")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_DEBIAN_DEV_PACKAGE_NAME lib${DAL_NAME}-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
if(DAL_QT_MAJOR STREQUAL "5")
    set(DAL_QT_DEV_PACKAGE qtbase5-dev)
else()
    set(DAL_QT_DEV_PACKAGE qt6-base-dev)
endif()
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "${DAL_RUNTIME_DEPENDENCY}, ${DAL_QT_DEV_PACKAGE} (>= ${${DAL_QT}_VERSION_MAJOR}.${${DAL_QT}_VERSION_MINOR})")
set(CPACK_DEBIAN_DEV_DESCRIPTION "Development files: the headers, the CMake package
(find_package(DAL), target DAL::dal) and the pkg-config file (dal).")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME lib${DAL_NAME}-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS ${DAL_RUNTIME_DEPENDENCY})
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "dal-inspect prints and checks what libdal reads from a
configuration tree. A sample tree comes with it and is read by default.")

include(CPack)
