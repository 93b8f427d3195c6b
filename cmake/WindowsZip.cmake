# Packs the release zip: cmake -DFILES=a;b;c -DZIP=... -P this. The files lie side by side at the
# top of the zip, in name order (zip -X: without Unix owners and extra time fields).
set(stage "${ZIP}.stage")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
foreach(member IN LISTS FILES)
    get_filename_component(name "${member}" NAME)
    file(COPY_FILE "${member}" "${stage}/${name}")
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
