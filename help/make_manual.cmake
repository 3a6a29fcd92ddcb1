# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the manual: the template with its odds section filled in by
# zand_odds. cmake -DODDS=... -DTEMPLATE=... -DOUTPUT=... -P make_manual.cmake
execute_process(COMMAND ${ODDS} --html OUTPUT_VARIABLE odds RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zand_odds failed: ${result}")
endif()
file(READ ${TEMPLATE} manual)
set(marker "<!-- odds -->")
string(FIND "${manual}" "${marker}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${TEMPLATE} has no ${marker} for the odds")
endif()
string(REPLACE "${marker}" "${odds}" manual "${manual}")
file(WRITE ${OUTPUT} "${manual}")
