# Packs the release artefact: cmake -DEXE=... -DREADME=... -DLICENCES=a;b -DZIP=... -P this.
# The zip holds korvex-cli.exe, README.txt (the README's command-line sections, CRLF) and the
# licences of what the exe contains.
# Every "## " section whose heading names the command line, configuration as code or Windows.
execute_process(
    COMMAND awk "/^## /{keep = ($0 ~ /korvex-cli|[Cc]ommand line|[Cc]onfiguration as code|Windows/)} keep {sub(/\r$/, \"\"); printf \"%s\\r\\n\", $0}" "${README}"
    OUTPUT_VARIABLE sections RESULT_VARIABLE extracted)
if(NOT extracted EQUAL 0)
    message(FATAL_ERROR "could not read ${README}")
endif()
set(text "Korvex Mini Configurator: korvex-cli for Windows\r\n\r\n${sections}")
set(stage "${ZIP}.stage")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
file(COPY "${EXE}" DESTINATION "${stage}")
file(WRITE "${stage}/README.txt" "${text}")
foreach(licence IN LISTS LICENCES)
    get_filename_component(name "${licence}" NAME)
    file(COPY_FILE "${licence}" "${stage}/${name}")
endforeach()
file(GLOB members RELATIVE "${stage}" "${stage}/*")
list(SORT members)
file(REMOVE "${ZIP}")
execute_process(COMMAND zip -q -X "${ZIP}" ${members} WORKING_DIRECTORY "${stage}"
                RESULT_VARIABLE zipped)
if(NOT zipped EQUAL 0)
    message(FATAL_ERROR "zip failed")
endif()
file(REMOVE_RECURSE "${stage}")
