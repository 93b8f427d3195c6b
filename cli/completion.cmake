# Fills the setting names of the catalogue and the symbol names into the bash completion: first
# field of every line of `korvex-cli settings` and `korvex-cli symbols`. Called with -DPROGRAM=
# -DINPUT= -DOUTPUT=.
foreach(list settings symbols)
    execute_process(COMMAND ${PROGRAM} ${list} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${list} failed: ${status}")
    endif()
    string(REGEX REPLACE "\t[^\n]*" "" names "${listing}")
    string(REPLACE "\n" " " names "${names}")
    string(STRIP "${names}" names_${list})
endforeach()
set(KORVEX_SETTING_NAMES "${names_settings}")
set(KORVEX_SYMBOL_NAMES "${names_symbols}")
configure_file(${INPUT} ${OUTPUT} @ONLY)
