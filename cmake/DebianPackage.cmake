# `cmake --build build --target package` makes build/quillan_VERSION-REVISION_ARCH.deb
# from the install rules. Its dependencies are the shared libraries the
# programs link, found by dpkg-shlibdeps (dpkg-dev).
set(QUILLAN_PACKAGE_MAINTAINER "Quillan maintainers <maintainers@quillan.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
# The Debian revision: raised when the package changes but the program does not.
set(QUILLAN_PACKAGE_REVISION 1)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE quillan_deb_arch
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE quillan_dpkg_result)
if(NOT quillan_dpkg_result EQUAL 0)
  set(quillan_deb_arch "${CMAKE_SYSTEM_PROCESSOR}")
endif()
set(QUILLAN_DEB_FILE ${CMAKE_BINARY_DIR}/quillan_${PROJECT_VERSION}-${QUILLAN_PACKAGE_REVISION}_${quillan_deb_arch}.deb)

# A build directory configured before /usr became the default keeps
# /usr/local, which a Debian package must not touch.
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  message(WARNING "The Debian package would install below ${CMAKE_INSTALL_PREFIX}; "
                  "configure with -DCMAKE_INSTALL_PREFIX=/usr to make one for Debian.")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${QUILLAN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dialog-scripting language runtime and rules-file editor")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
# Directories the install rules create get the usual modes, whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME quillan_${PROJECT_VERSION}-${QUILLAN_PACKAGE_REVISION}_${quillan_deb_arch}.deb)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUILLAN_PACKAGE_REVISION})
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${quillan_deb_arch})
set(CPACK_DEBIAN_PACKAGE_SECTION interpreters)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The extended description, below the summary: CPack indents each line for
# the control file.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "scriptrun runs scripts written in the Quillan dialog-scripting language:
plain-text scripts, one command per line, that build dialog windows, wait
for the user's events and work with files, INI files, a per-user registry,
other windows, the clipboard and other programs. quillanc compiles them
into files that start like programs, and quillanreg shows and edits the
registry. ruleedit edits the rules file of a strategy game through forms.")

include(CPack)
