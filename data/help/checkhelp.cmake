# SPDX-FileCopyrightText: 2026 Ombrano developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the built help file: every page of the project is in it, every link
# of a page leads to a page in it, the contents and index name only pages in
# it, and a page comes out in Windows-1252 with its Portuguese text intact.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${CHMLS} -n list ${HELP_FILE}
                OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot list ${HELP_FILE}")
endif()

file(STRINGS ${SOURCES}/Ajuda.hhp project)
set(in_files FALSE)
set(pages)
foreach(line IN LISTS project)
  if(line STREQUAL "[FILES]")
    set(in_files TRUE)
  elseif(in_files AND NOT line STREQUAL "")
    list(APPEND pages ${line})
  endif()
endforeach()
file(GLOB sources RELATIVE ${SOURCES} ${SOURCES}/*.htm)
foreach(page IN LISTS sources)
  if(NOT page IN_LIST pages)
    message(SEND_ERROR "${page} is not in the project's file list")
  endif()
endforeach()
foreach(page IN LISTS pages)
  string(FIND "${listing}" "/${page}\n" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${page} is missing from the help file")
  endif()
endforeach()

foreach(source IN LISTS sources ITEMS Ajuda.hhc Ajuda.hhk)
  file(READ ${SOURCES}/${source} text)
  string(REGEX MATCHALL "(href|value)=\"[^\"#:]+\\.htm" links "${text}")
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^[a-z]+=\"" "" target "${link}")
    if(NOT target IN_LIST pages)
      message(SEND_ERROR "${source} leads to ${target}, which is not in the help file")
    endif()
  endforeach()
endforeach()

set(extracted ${CMAKE_CURRENT_BINARY_DIR}/favoritos-extracted.htm)
execute_process(COMMAND ${CHMLS} extract ${HELP_FILE} /favoritos.htm ${extracted} OUTPUT_QUIET)
file(READ ${extracted} bytes HEX)
# "endereço" in Windows-1252: the cedilla is the one byte E7.
string(HEX "endere" prefix)
string(FIND "${bytes}" "${prefix}e76f" at)
if(at EQUAL -1)
  message(SEND_ERROR "favoritos.htm is not in Windows-1252 in the help file")
endif()
file(READ ${extracted} page)
string(FIND "${page}" "charset=windows-1252" at)
if(at EQUAL -1)
  message(SEND_ERROR "favoritos.htm does not declare its code page")
endif()
