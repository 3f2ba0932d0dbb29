# Writes the copybook check from the copybooks themselves:
#   cmake -DSOURCE=<source dir> -DOUT=<directory> -P copybook_check.cmake
# gives <OUT>/copybook_check.cbl, a COBOL program that COPYs every copybook
# of include/cobol, fills each item through its copybook name and hands the
# record's and the item's addresses and the item's LENGTH to the C check;
# and <OUT>/copybook_rows.inc, the same items as C table rows built from the
# header names (struct = the 01 name, member = the item's name without its
# record prefix), so that the compiler takes offsetof and sizeof from the
# public header. Before writing, the copybooks' items are compared with the
# members the headers declare, name by name and in order, and every record
# of include/vrxagapi/*.h must have its copybook.
cmake_policy(VERSION 3.20)

# The lines of a file as a list, with the characters CMake lists treat
# specially replaced: ';' by '@', '[' and ']' by '<' and '>'.
function(read_lines file out)
    file(READ ${file} text)
    string(REPLACE ";" "@" text "${text}")
    string(REPLACE "[" "<" text "${text}")
    string(REPLACE "]" ">" text "${text}")
    string(REPLACE "\n" ";" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The members of every struct declared in `header`, as <struct>_MEMBERS lists.
function(read_header_structs header)
    read_lines(${header} lines)
    set(name "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^struct ([A-Za-z0-9_]+) {")
            set(name ${CMAKE_MATCH_1})
            set(members "")
        elseif(name AND line MATCHES "^}@")
            set(${name}_MEMBERS ${members} PARENT_SCOPE)
            list(APPEND structs ${name})
            set(name "")
        elseif(name AND line MATCHES "^ +[^@]*[ *]([A-Za-z0-9_]+)(<[^>]*>)?@")
            list(APPEND members ${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(HEADER_STRUCTS ${structs} PARENT_SCOPE)
endfunction()

set(public_structs "")
file(GLOB headers ${SOURCE}/include/vrxagapi/*.h)
foreach(header IN LISTS headers ITEMS ${SOURCE}/include/vrxplatform/directory.h)
    read_header_structs(${header})
    if(NOT header MATCHES "vrxplatform")
        list(APPEND public_structs ${HEADER_STRUCTS})
    endif()
endforeach()

set(cobol_data "")
set(cobol_steps "")
set(rows "")
set(row 0)
set(failures "")

# One step of the COBOL program and one C row; `ref` is the COBOL reference
# of the item, `fill` the statement that fills it (or empty). Every name
# gets a line of its own, to stay within the fixed-form columns.
macro(add_row ref fill crow)
    math(EXPR row "${row} + 1")
    string(APPEND cobol_steps "           MOVE ${row} TO CHECK-ROW\n")
    if(NOT "${fill}" STREQUAL "")
        string(APPEND cobol_steps "           ${fill}\n")
    endif()
    string(APPEND cobol_steps "           MOVE LENGTH OF\n                ${ref}\n                TO CHECK-LENGTH\n"
                              "           CALL \"vrx_copybook_item\" USING\n"
                              "                BY VALUE CHECK-ROW CHECK-RECORD\n"
                              "                BY REFERENCE\n                ${ref}\n"
                              "                BY VALUE CHECK-LENGTH\n")
    string(APPEND rows "${crow}\n")
endmacro()

file(GLOB copybooks ${SOURCE}/include/cobol/*.cpy)
list(SORT copybooks)
set(covered "")
foreach(copybook IN LISTS copybooks)
    get_filename_component(file_name ${copybook} NAME)
    string(APPEND cobol_data "       COPY \"${file_name}\".\n")
    # Data description entries: comments and compiler directives dropped,
    # the rest split at the periods that end the entries.
    read_lines(${copybook} lines)
    set(text "")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "\\*>.*" "" line "${line}")
        if(NOT line MATCHES "^ *>>")
            string(APPEND text " ${line}")
        endif()
    endforeach()
    string(REGEX REPLACE "\\.( |$)" ";" entries "${text}")
    set(record "")
    set(stack_levels "")
    set(stack_paths "")
    set(stack_subscripts "")
    set(members "")
    foreach(entry IN LISTS entries)
        string(STRIP "${entry}" entry)
        if(entry STREQUAL "")
            continue()
        endif()
        if(NOT entry MATCHES "^([0-9]+) +([A-Za-z0-9-]+)(.*)$")
            message(FATAL_ERROR "${file_name}: cannot read entry '${entry}'")
        endif()
        set(level ${CMAKE_MATCH_1})
        set(name ${CMAKE_MATCH_2})
        set(clauses "${CMAKE_MATCH_3}")
        if(level EQUAL 1)
            set(record ${name})
            list(APPEND covered ${record})
            if(NOT DEFINED ${record}_MEMBERS)
                message(FATAL_ERROR "${file_name}: no header declares struct ${record}")
            endif()
            string(APPEND cobol_steps "           SET CHECK-RECORD TO ADDRESS OF\n                ${record}\n")
            add_row(${record} "" "VRX_RECORD(${record})")
            continue()
        endif()
        if(name STREQUAL "FILLER")
            continue()
        endif()
        # Leave the groups this entry is not part of.
        while(stack_levels)
            list(GET stack_levels -1 top)
            if(top LESS level)
                break()
            endif()
            list(POP_BACK stack_levels)
            list(POP_BACK stack_paths)
            list(POP_BACK stack_subscripts)
        endwhile()
        string(REGEX REPLACE "^[A-Za-z0-9]+-" "" member ${name})
        set(count 1)
        if(clauses MATCHES "OCCURS +([0-9]+)")
            set(count ${CMAKE_MATCH_1})
        endif()
        set(path ${member})
        set(subscripts "")
        if(stack_levels)
            list(GET stack_paths -1 outer)
            list(GET stack_subscripts -1 subscripts)
            set(path "${outer}.${member}")
        else()
            list(APPEND members ${member})
        endif()
        if(clauses MATCHES "OCCURS")
            list(APPEND subscripts 1)
            set(element "${path}[0]")
        else()
            set(element "${path}")
        endif()
        set(ref ${name})
        if(subscripts)
            list(JOIN subscripts ", " joined)
            set(ref "${name}(${joined})")
        endif()
        if(clauses MATCHES "POINTER")
            add_row("${ref}" "SET\n                ${ref}\n                TO ADDRESS OF\n                ${ref}"
                    "VRX_POINTER(${record}, ${path}, ${count})")
        elseif(clauses MATCHES "PIC +X")
            add_row("${ref}" "" "VRX_BYTES(${record}, ${path}, ${count})")
        elseif(clauses MATCHES "PIC|BINARY|COMP")
            # Any other elementary item is a number, whatever its usage: it
            # must read back in C as the header's integer.
            math(EXPR value "(${row} + 1) % 100 + 1")
            add_row("${ref}" "MOVE -${value} TO\n                ${ref}"
                    "VRX_NUMBER(${record}, ${path}, ${element}, ${count})")
        else()
            add_row("${ref}" "" "VRX_GROUP(${record}, ${path}, ${count})")
            list(APPEND stack_levels ${level})
            if(subscripts)
                list(APPEND stack_paths "${path}[0]")
            else()
                list(APPEND stack_paths "${path}")
            endif()
            list(JOIN subscripts "," joined)
            list(APPEND stack_subscripts "${joined}")
        endif()
    endforeach()
    if(NOT members STREQUAL "${${record}_MEMBERS}")
        list(JOIN members " " have)
        list(JOIN ${record}_MEMBERS " " want)
        list(APPEND failures "${file_name} has the items: ${have}\n  struct ${record} the members: ${want}")
    endif()
endforeach()
foreach(struct IN LISTS public_structs)
    if(NOT struct IN_LIST covered)
        list(APPEND failures "struct ${struct} has no copybook in include/cobol")
    endif()
endforeach()
if(failures)
    list(JOIN failures "\n" failures)
    message(FATAL_ERROR "copybooks and headers differ:\n${failures}")
endif()

file(WRITE ${OUT}/copybook_check.cbl
"       IDENTIFICATION DIVISION.
       PROGRAM-ID. COPYBOOK-CHECK.
      *> Written by cmake/copybook_check.cmake: every item of every
      *> copybook, filled and handed to vrx_copybook_item.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 CHECK-ROW                BINARY-LONG.
       01 CHECK-LENGTH             BINARY-LONG.
       01 CHECK-RECORD             USAGE POINTER.
${cobol_data}
       PROCEDURE DIVISION.
${cobol_steps}           CALL \"vrx_copybook_done\"
           STOP RUN.
")
file(WRITE ${OUT}/copybook_rows.inc "${rows}")
