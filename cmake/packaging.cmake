# Installing and packages. On POSIX the program goes to bin/ and its files to
# share/zentrel2/ (found relative to the program); `cpack` makes a .deb of it. The Windows
# build installs the add-in library with its files beside it; `cpack` makes a .zip of them.
set(zentrel_files ${CMAKE_SOURCE_DIR}/resources/Zentrel.txt ${CMAKE_SOURCE_DIR}/resources/Def.vsk
                  ${CMAKE_SOURCE_DIR}/resources/ReadMe.html)

if(WIN32)
    # The library alone: no import library, nothing to link against.
    install(FILES $<TARGET_FILE:Zentrel2> ${zentrel_files} DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME Zentrel2-${PROJECT_VERSION}-win32)
else()
    install(TARGETS zentrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # The registration script is compiled into the library on Windows; here it is a file.
    install(FILES ${zentrel_files} ${CMAKE_SOURCE_DIR}/resources/Zentrel2.rgs
            DESTINATION ${ZENTREL_INSTALL_FILES_DIR})
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME zentrel2)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION devel)
    # The libraries the program links, as dpkg-shlibdeps finds them (package dpkg-dev).
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xdg-utils, xclip | wl-clipboard")
endif()

set(CPACK_PACKAGE_NAME Zentrel2)
set(CPACK_PACKAGE_VENDOR "Tarn Software")
set(CPACK_PACKAGE_CONTACT "Tarn Software <zentrel@tarn.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fast C and C++ editing commands")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "zentrel runs the Zentrel2 editing commands on real files: friend file and member jumps, "
    "body stepping, browsing, member copy and paste, comment toggling, statement reversal, "
    "code templates and the build-directory clean-up.")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)
include(CPack)
