# Fills the setting names of the catalogue into the bash completion: first field of every line
# of `korvex-cli settings`. Called with -DPROGRAM= -DINPUT= -DOUTPUT=.
execute_process(COMMAND ${PROGRAM} settings OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} settings failed: ${status}")
endif()
string(REGEX REPLACE "\t[^\n]*" "" names "${listing}")
string(REPLACE "\n" " " names "${names}")
string(STRIP "${names}" KORVEX_SETTING_NAMES)
configure_file(${INPUT} ${OUTPUT} @ONLY)
