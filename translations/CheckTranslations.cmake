# SPDX-License-Identifier: MIT
# cmake -DLUPDATE=<lupdate> -DARGUMENTS=<lupdate arguments> -DTS_FILES=<.ts files> -DWORK_DIR=<folder>
#       -P CheckTranslations.cmake
#
# Runs lupdate on copies of the .ts files, so the sources stay untouched, and fails when a copy then
# holds a message that is unfinished (a text new in the sources, or one never translated) or
# vanished/obsolete (a text the sources no longer use: run the update_translations target).

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(_copies)
foreach(_ts IN LISTS TS_FILES)
    file(COPY ${_ts} DESTINATION ${WORK_DIR})
    get_filename_component(_name ${_ts} NAME)
    list(APPEND _copies ${WORK_DIR}/${_name})
endforeach()

execute_process(COMMAND ${LUPDATE} ${ARGUMENTS} -ts ${_copies}
    RESULT_VARIABLE _result OUTPUT_VARIABLE _output ERROR_VARIABLE _output)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${_output}")
endif()

set(_problems "")
foreach(_copy IN LISTS _copies)
    get_filename_component(_name ${_copy} NAME)
    file(READ ${_copy} _content)
    # Semicolons would split the lists below; brackets would keep them from splitting.
    string(REPLACE ";" "<semicolon/>" _content "${_content}")
    string(REPLACE "[" "<bracket/>" _content "${_content}")
    string(REPLACE "</context>" "</context>;" _contexts "${_content}")
    foreach(_context IN LISTS _contexts)
        string(REGEX MATCH "<name>([^<]*)</name>" _unused "${_context}")
        set(_context_name "${CMAKE_MATCH_1}")
        string(REPLACE "</message>" "</message>;" _messages "${_context}")
        foreach(_message IN LISTS _messages)
            if(_message MATCHES "<translation[^>]*type=\"(unfinished|vanished|obsolete)\"")
                set(_type "${CMAKE_MATCH_1}")
                string(REGEX MATCH "<source>([^<]*)</source>" _unused "${_message}")
                string(APPEND _problems "  ${_name}: ${_context_name}: \"${CMAKE_MATCH_1}\" is ${_type}\n")
            endif()
        endforeach()
    endforeach()
endforeach()
if(_problems)
    message(FATAL_ERROR "Translations are not complete (run the update_translations target, then translate "
                        "the new texts, removing their unfinished mark):\n${_problems}")
endif()
message(STATUS "Every text has a finished translation in ${TS_FILES}")
