# SPDX-FileCopyrightText: Brekka Data as
#
# SPDX-License-Identifier: LGPL-2.1-or-later

# The dynamic symbols that LIBRARY defines, demangled, must be exactly those listed in EXPECTED
# (one a line): the entry points and the facade class with its meta-object. Instrumented
# builds add the sanitizers' own symbols, which are left out.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND nm -D --defined-only -C ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "nm cannot list ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)$")
        continue()
    endif()
    set(name "${CMAKE_MATCH_1}")
    # Instrumented builds also export the run-time type information UBSan's checks use.
    if(SANITIZE AND name MATCHES "^(_*(asan|odr_asan|ubsan|sanitizer|lsan)|typeinfo (name )?for std::)")
        continue()
    endif()
    list(APPEND exported "${name}")
endforeach()
list(REMOVE_DUPLICATES exported)
list(SORT exported)

file(STRINGS ${EXPECTED} expected)
list(SORT expected)
if(NOT exported STREQUAL expected)
    set(extra ${exported})
    list(REMOVE_ITEM extra ${expected})
    set(missing ${expected})
    list(REMOVE_ITEM missing ${exported})
    list(JOIN extra "\n  " extra)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "The library exports what it should not:\n  ${extra}\n"
                        "and does not export:\n  ${missing}")
endif()
list(LENGTH exported count)
message(STATUS "${count} exported symbols, as expected")
