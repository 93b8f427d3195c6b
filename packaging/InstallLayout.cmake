# Where installed documentation goes; included before the programs' folders so each can install
# its own man page or completion in one line.
include(GNUInstallDirs)

# korvex_install_man_page(FILE.1): installs a man page (a source file or one generated in the
# build) gzipped, as Debian wants it, into share/man/manN for its section N.
function(korvex_install_man_page page)
    get_filename_component(page ${page} ABSOLUTE)
    get_filename_component(name ${page} NAME)
    string(REGEX MATCH "[1-9]$" section ${name})
    set(compressed ${CMAKE_BINARY_DIR}/man/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND gzip -9nc ${page} > ${compressed}
        DEPENDS ${page} VERBATIM)
    add_custom_target(man-${name} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

# Bash completions are looked up by command name: install(FILES F DESTINATION
# ${KORVEX_BASH_COMPLETION_DIR} RENAME korvex-cli).
set(KORVEX_BASH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The package's documentation folder: the settings reference goes there.
set(KORVEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/korvex-mini-configurator)
