# Writes README.txt for the Windows artefacts: cmake -DREADME=README.md -DOUTPUT=... [-DTITLE=...]
# -P this. It holds every "## " section of the README whose heading names the command line,
# configuration as code or Windows, with CRLF line ends.
execute_process(
    COMMAND awk "/^## /{keep = ($0 ~ /korvex-cli|[Cc]ommand line|[Cc]onfiguration as code|Windows/)} keep {sub(/\r$/, \"\"); printf \"%s\\r\\n\", $0}" "${README}"
    OUTPUT_VARIABLE sections RESULT_VARIABLE extracted)
if(NOT extracted EQUAL 0)
    message(FATAL_ERROR "could not read ${README}")
endif()
file(WRITE "${OUTPUT}" "Korvex Mini Configurator for Windows\r\n\r\n${sections}")
