# The user guide in one file, pictures inside, as a native build writes it
# (build/guide-one-file/korvex-guide.html): the cross build cannot render the pictures itself.
set(KORVEX_GUIDE_HTML "" CACHE FILEPATH "The one-file user guide from a native build, for the Windows packages")

# hidapi's Windows backend (windows/hid.c) as a static library. The source is not kept in this
# tree: scripts/build-windows.sh unpacks Debian's hidapi source package into the build folder and
# names it in KORVEX_HIDAPI_SOURCE_DIR. This hidapi loads hid.dll and cfgmgr32.dll at run time,
# so no import library is linked.
set(KORVEX_HIDAPI_SOURCE_DIR "" CACHE PATH "Unpacked hidapi source (holds windows/hid.c)")
if(NOT EXISTS "${KORVEX_HIDAPI_SOURCE_DIR}/windows/hid.c")
    message(FATAL_ERROR "KORVEX_HIDAPI_SOURCE_DIR must name an unpacked hidapi source folder "
                        "(scripts/build-windows.sh fetches one); got '${KORVEX_HIDAPI_SOURCE_DIR}'")
endif()
enable_language(C)
# The configurator's icon and version resources.
enable_language(RC)
add_library(korvex_hidapi_windows STATIC ${KORVEX_HIDAPI_SOURCE_DIR}/windows/hid.c)
target_include_directories(korvex_hidapi_windows SYSTEM
    PUBLIC ${KORVEX_HIDAPI_SOURCE_DIR}/hidapi
    PRIVATE ${KORVEX_HIDAPI_SOURCE_DIR}/windows)
# Someone else's code: built as it comes, without our warning flags.
target_compile_options(korvex_hidapi_windows PRIVATE -w)

# CLI11 and nlohmann-json are header-only: the cross build uses Debian's headers of them, seen
# through a folder that holds nothing else, since the host's /usr/include must not be searched.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
foreach(library CLI nlohmann)
    if(NOT EXISTS /usr/include/${library})
        message(FATAL_ERROR "/usr/include/${library} is missing: install libcli11-dev and nlohmann-json3-dev")
    endif()
    file(CREATE_LINK /usr/include/${library} ${host_headers}/${library} SYMBOLIC)
endforeach()
add_library(CLI11::CLI11 INTERFACE IMPORTED)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 nlohmann_json::nlohmann_json PROPERTIES
                      INTERFACE_INCLUDE_DIRECTORIES ${host_headers})

# One korvex-cli.exe to copy: the C and C++ runtimes and winpthread linked in, symbols stripped.
add_link_options(-static -s)

# The release artefacts in the build folder, both named with the version: a zip of the programs
# with README.txt (the README's command-line and Windows sections, CRLF) and the licences of what
# the exes contain; with the configurator also a setup program (NSIS) that installs the same.
function(korvex_windows_packages)
    set(programs korvex-cli)
    set(base korvex-cli-${PROJECT_VERSION}-windows-x86_64)
    if(TARGET korvex-configurator)
        list(APPEND programs korvex-configurator)
        set(base korvex-mini-configurator-${PROJECT_VERSION}-windows-x86_64)
    endif()
    set(readme ${CMAKE_BINARY_DIR}/windows/README.txt)
    add_custom_command(OUTPUT ${readme}
        COMMAND ${CMAKE_COMMAND} -DREADME=${CMAKE_SOURCE_DIR}/README.md -DOUTPUT=${readme}
                -P ${CMAKE_SOURCE_DIR}/cmake/WindowsReadme.cmake
        DEPENDS ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/cmake/WindowsReadme.cmake
        COMMENT "Writing ${readme}")
    set(hidapi_licence ${CMAKE_BINARY_DIR}/windows/LICENSE-hidapi.txt)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/windows)
    file(COPY_FILE ${KORVEX_HIDAPI_SOURCE_DIR}/LICENSE-bsd.txt ${hidapi_licence})
    set(files ${readme} ${hidapi_licence})
    if(KORVEX_REFERENCE_HTML)  # the settings reference, where wine could generate it
        list(APPEND files ${KORVEX_REFERENCE_HTML})
    endif()
    if(KORVEX_GUIDE_HTML AND TARGET korvex-configurator)
        if(NOT EXISTS ${KORVEX_GUIDE_HTML})
            message(FATAL_ERROR "KORVEX_GUIDE_HTML names ${KORVEX_GUIDE_HTML}, which is missing")
        endif()
        list(APPEND files ${KORVEX_GUIDE_HTML})
    endif()
    if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
        list(PREPEND files ${CMAKE_SOURCE_DIR}/LICENSE)
    endif()
    foreach(program IN LISTS programs)
        list(APPEND files $<TARGET_FILE:${program}>)
    endforeach()
    string(REPLACE ";" "\\;" file_list "${files}")

    set(zip ${CMAKE_BINARY_DIR}/${base}.zip)
    add_custom_target(windows-zip
        COMMAND ${CMAKE_COMMAND} "-DFILES=${file_list}" -DZIP=${zip}
                -P ${CMAKE_SOURCE_DIR}/cmake/WindowsZip.cmake
        DEPENDS ${programs} ${readme}
        COMMENT "Packing ${zip}")
    set(packages windows-zip)

    if(TARGET korvex-configurator)
        find_program(MAKENSIS makensis)
        set(setup ${CMAKE_BINARY_DIR}/${base}-setup.exe)
        add_custom_target(windows-installer
            COMMAND ${CMAKE_COMMAND} "-DFILES=${file_list}" -DMAKENSIS=${MAKENSIS}
                    -DSCRIPT=${CMAKE_SOURCE_DIR}/packaging/windows/korvex-mini.nsi
                    -DICON=${CMAKE_SOURCE_DIR}/packaging/icons/korvex-configurator.ico
                    -DVERSION=${PROJECT_VERSION} -DSETUP=${setup}
                    -P ${CMAKE_SOURCE_DIR}/cmake/WindowsInstaller.cmake
            DEPENDS ${programs} ${readme}
            COMMENT "Building ${setup}")
        list(APPEND packages windows-installer)
    endif()
    if(KORVEX_REFERENCE_HTML)
        foreach(package IN LISTS packages)
            add_dependencies(${package} settings-reference)
        endforeach()
    endif()
endfunction()
