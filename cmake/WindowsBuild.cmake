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

# The release artefact: korvex-cli-<version>-windows-x86_64.zip in the build folder.
function(korvex_windows_zip exe_target)
    set(zip ${CMAKE_BINARY_DIR}/korvex-cli-${PROJECT_VERSION}-windows-x86_64.zip)
    set(hidapi_licence ${CMAKE_BINARY_DIR}/LICENSE-hidapi.txt)
    file(COPY_FILE ${KORVEX_HIDAPI_SOURCE_DIR}/LICENSE-bsd.txt ${hidapi_licence})
    set(licences ${hidapi_licence})
    if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
        list(PREPEND licences ${CMAKE_SOURCE_DIR}/LICENSE)
    endif()
    string(REPLACE ";" "\\;" licence_list "${licences}")
    add_custom_target(windows-zip
        COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:${exe_target}>
                -DREADME=${CMAKE_SOURCE_DIR}/README.md "-DLICENCES=${licence_list}" -DZIP=${zip}
                -P ${CMAKE_SOURCE_DIR}/cmake/WindowsZip.cmake
        DEPENDS ${exe_target}
        COMMENT "Packing ${zip}")
endfunction()
