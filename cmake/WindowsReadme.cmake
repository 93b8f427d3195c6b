# Writes README.txt for the Windows artefacts: cmake -DREADME=README.md -DOUTPUT=... -P this. It
# holds a title line and every "## " section of the README whose heading names the command line,
# configuration as code or Windows, with CRLF line ends. awk writes the file itself: CMake's
# strings would lose the CRs.
execute_process(
    COMMAND awk "BEGIN {printf \"Korvex Mini Configurator for Windows\\r\\n\\r\\n\"} /^## /{keep = ($0 ~ /korvex-cli|[Cc]ommand line|[Cc]onfiguration as code|Windows/)} keep {sub(/\r$/, \"\"); printf \"%s\\r\\n\", $0}" "${README}"
    OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE extracted)
if(NOT extracted EQUAL 0)
    message(FATAL_ERROR "could not read ${README}")
endif()
