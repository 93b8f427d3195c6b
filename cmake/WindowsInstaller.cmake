# Builds the setup program: cmake -DFILES=a;b;c -DMAKENSIS=... -DSCRIPT=korvex-mini.nsi -DICON=...
# -DVERSION=... -DSETUP=...-setup.exe -P this. The NSIS script installs exactly the files given and
# its uninstaller removes exactly those: both lists are written into files.nsh beside them.
if(NOT MAKENSIS)
    message(FATAL_ERROR "makensis not found: install Debian's nsis package")
endif()
set(stage "${SETUP}.stage")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
set(install "!macro InstallFiles\n")
set(remove "!macro RemoveFiles\n")
foreach(member IN LISTS FILES)
    get_filename_component(name "${member}" NAME)
    file(COPY_FILE "${member}" "${stage}/${name}")
    string(APPEND install "    File \"${stage}/${name}\"\n")
    string(APPEND remove "    Delete \"$INSTDIR\\${name}\"\n")
endforeach()
file(WRITE "${stage}/files.nsh" "${install}!macroend\n${remove}!macroend\n")
execute_process(
    COMMAND "${MAKENSIS}" -V2 -WX "-DVERSION=${VERSION}" "-DFILES=${stage}/files.nsh"
            "-DICON=${ICON}" "-DOUTFILE=${SETUP}" "${SCRIPT}"
    RESULT_VARIABLE built)
if(NOT built EQUAL 0)
    message(FATAL_ERROR "makensis failed")
endif()
file(REMOVE_RECURSE "${stage}")
