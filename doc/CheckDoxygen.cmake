# SPDX-License-Identifier: MIT
# Fails the docs target when Doxygen warned (an undocumented or wrongly documented
# member, a broken reference) or when the Qt help file is missing.
file(READ ${LOG} _warnings)
if(NOT _warnings STREQUAL "")
    string(REGEX MATCHALL "\n" _lines "\n${_warnings}")
    list(LENGTH _lines _count)
    message(FATAL_ERROR "Doxygen warnings (${LOG}):\n${_warnings}")
endif()
if(NOT EXISTS ${QCH})
    message(FATAL_ERROR "No Qt help file was written: ${QCH}")
endif()
