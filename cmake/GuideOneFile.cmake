# Writes the user guide as one file, its pictures inside as data addresses, for places that take
# a flat list of files (the Windows zip and setup program):
#   cmake -DINPUT=korvex-guide.html -DPICTURES=<folder of guide/*.png> -DOUTPUT=... -P this
# The pictures are base64-encoded by coreutils' base64, which every Debian build host has.
file(READ "${INPUT}" page)
string(REGEX MATCHALL "src=\"guide/[^\"]+\\.png\"" sources "${page}")
list(REMOVE_DUPLICATES sources)
foreach(source IN LISTS sources)
    string(REGEX REPLACE "^src=\"guide/(.+)\"$" "\\1" name "${source}")
    if(NOT EXISTS "${PICTURES}/${name}")
        message(FATAL_ERROR "the guide's picture ${PICTURES}/${name} is missing")
    endif()
    execute_process(COMMAND base64 -w0 "${PICTURES}/${name}"
                    OUTPUT_VARIABLE encoded RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "base64 failed on ${PICTURES}/${name}")
    endif()
    string(REPLACE "${source}" "src=\"data:image/png;base64,${encoded}\"" page "${page}")
endforeach()
file(WRITE "${OUTPUT}" "${page}")
