# Runs PROGRAM and compares what it prints with the file EXPECTED: the exit
# code must be 0 and every line must match. Usage:
#   cmake -DPROGRAM=<program> -DEXPECTED=<file> [-DTRACE_EXPECTED=<file>] -P check_transcript.cmake
#
# With TRACE_EXPECTED, the program runs with the stand-ins' call trace on
# (VRX_STANDIN_TRACE=<program>.trace), and every line of TRACE_EXPECTED must
# be a line of the trace, in the same order (other lines may come between).
#
# An expected line may hold the placeholder {timestamp} for a value that
# changes from run to run: a 14-digit YYYYMMDDhhmmss time. Its first match
# fixes the value; every later {timestamp}, on the same line or further
# down, must be that same value. The placeholder {later} stands for any
# such time, fixed by nothing (a line holds one or the other). The rest of
# the line is compared as it is.
cmake_policy(VERSION 3.20)

set(timestamp_pattern "[0-9][0-9][0-9][0-9](0[1-9]|1[012])(0[1-9]|[12][0-9]|3[01])([01][0-9]|2[0-3])[0-5][0-9][0-5][0-9]")
set(timestamp "")

# matches(<result-var> <want> <got>): compares one line, fixing the
# timestamp at its first appearance.
function(matches result want got)
    if(want MATCHES "{later}")
        string(REGEX REPLACE "([][.*+?^$()|\\\\])" "\\\\\\1" pattern "${want}")
        string(REPLACE "{later}" "${timestamp_pattern}" pattern "${pattern}")
        if(got MATCHES "^${pattern}$")
            set(${result} TRUE PARENT_SCOPE)
        else()
            set(${result} FALSE PARENT_SCOPE)
        endif()
        return()
    endif()
    if(NOT want MATCHES "{timestamp}")
        string(COMPARE EQUAL "${got}" "${want}" same)
        set(${result} ${same} PARENT_SCOPE)
        return()
    endif()
    if(timestamp STREQUAL "")
        string(REGEX REPLACE "([][.*+?^$()|\\\\])" "\\\\\\1" pattern "${want}")
        string(REPLACE "{timestamp}" "(${timestamp_pattern})" pattern "${pattern}")
        if(NOT got MATCHES "^${pattern}$")
            set(${result} FALSE PARENT_SCOPE)
            return()
        endif()
        set(timestamp "${CMAKE_MATCH_1}" PARENT_SCOPE)
        set(timestamp "${CMAKE_MATCH_1}")
    endif()
    string(REPLACE "{timestamp}" "${timestamp}" want "${want}")
    string(COMPARE EQUAL "${got}" "${want}" same)
    set(${result} ${same} PARENT_SCOPE)
endfunction()

foreach(var PROGRAM EXPECTED)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

if(DEFINED TRACE_EXPECTED)
    set(trace_file ${PROGRAM}.trace)
    file(REMOVE ${trace_file})
    set(ENV{VRX_STANDIN_TRACE} ${trace_file})
endif()
execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE rc OUTPUT_VARIABLE actual ERROR_VARIABLE errors)
message("${actual}")
file(READ ${EXPECTED} expected)

# Line by line, so that a mismatch names the first line that differs.
string(REPLACE ";" "\\;" actual "${actual}")
string(REPLACE ";" "\\;" expected "${expected}")
string(REPLACE "\n" ";" actual_lines "${actual}")
string(REPLACE "\n" ";" expected_lines "${expected}")
list(LENGTH actual_lines actual_count)
list(LENGTH expected_lines expected_count)

set(failures "")
if(NOT rc STREQUAL "0")
    string(APPEND failures "exit code ${rc}, expected 0\n")
endif()
if(NOT errors STREQUAL "")
    string(APPEND failures "unexpected output on stderr:\n${errors}\n")
endif()
math(EXPR last "${expected_count} - 1")
if(actual_count GREATER expected_count)
    math(EXPR last "${actual_count} - 1")
endif()
foreach(i RANGE ${last})
    set(want "<missing>")
    set(got "<missing>")
    if(i LESS expected_count)
        list(GET expected_lines ${i} want)
    endif()
    if(i LESS actual_count)
        list(GET actual_lines ${i} got)
    endif()
    matches(same "${want}" "${got}")
    if(NOT same)
        math(EXPR line "${i} + 1")
        string(APPEND failures "line ${line} differs:\n  expected: ${want}\n  printed:  ${got}\n")
        if(NOT timestamp STREQUAL "" AND want MATCHES "{timestamp}")
            string(APPEND failures "  ({timestamp} was fixed as ${timestamp} by an earlier line)\n")
        endif()
        break()
    endif()
endforeach()

if(DEFINED TRACE_EXPECTED)
    if(EXISTS ${trace_file})
        file(STRINGS ${trace_file} trace_lines)
    else()
        set(trace_lines "")
    endif()
    file(STRINGS ${TRACE_EXPECTED} wanted_lines)
    set(from 0)
    foreach(want IN LISTS wanted_lines)
        list(SUBLIST trace_lines ${from} -1 rest)
        list(FIND rest "${want}" at)
        if(at EQUAL -1)
            string(APPEND failures "the call trace ${trace_file} lacks, after line ${from}:\n  ${want}\n")
            break()
        endif()
        math(EXPR from "${from} + ${at} + 1")
    endforeach()
endif()

if(failures)
    message("${failures}")
    message(FATAL_ERROR "transcript check failed")
endif()
