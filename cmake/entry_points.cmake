# Reads the entry point table (agapi/frame/entry_points.inc) and makes the
# export lists that the build and the export checks need from it.

set(VRX_ENTRY_TABLE ${CMAKE_CURRENT_LIST_DIR}/../agapi/frame/entry_points.inc)

# vrx_read_entry_points(<out>): a list of "UPPER|mixed|bytes|core|corebytes|subsystem|frame|source|library".
function(vrx_read_entry_points out)
    file(STRINGS ${VRX_ENTRY_TABLE} lines REGEX "^VRX_ENTRY\\(")
    set(entries)
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^VRX_ENTRY\\(([A-Z0-9_]+), ([A-Za-z0-9_]+), ([0-9]+), ([A-Za-z0-9_]*), ([0-9]+), ([a-z]+), (standard|guarded|unreported|checked|noinit|forward|library), ([a-z]+/[a-z0-9_]+), (VRXAPP|VRXSYS|none)\\)$")
            message(FATAL_ERROR "entry point table: cannot read '${line}'")
        endif()
        if((CMAKE_MATCH_9 STREQUAL "none" AND NOT CMAKE_MATCH_4 STREQUAL "") OR
           (NOT CMAKE_MATCH_9 STREQUAL "none" AND CMAKE_MATCH_4 STREQUAL ""))
            message(FATAL_ERROR "entry point table: '${line}' must name a function exactly when it names a library")
        endif()
        list(APPEND entries "${CMAKE_MATCH_1}|${CMAKE_MATCH_2}|${CMAKE_MATCH_3}|${CMAKE_MATCH_4}|${CMAKE_MATCH_5}|${CMAKE_MATCH_6}|${CMAKE_MATCH_7}|${CMAKE_MATCH_8}|${CMAKE_MATCH_9}")
    endforeach()
    set(${out} ${entries} PARENT_SCOPE)
endfunction()

# vrx_split_entry(<entry> <prefix>): sets <prefix>_UPPER, _MIXED, _BYTES, _CORE, _CORE_BYTES, _SUBSYSTEM,
# _FRAME, _SOURCE, _LIBRARY.
macro(vrx_split_entry entry prefix)
    string(REPLACE "|" ";" _vrx_fields "${entry}")
    list(GET _vrx_fields 0 ${prefix}_UPPER)
    list(GET _vrx_fields 1 ${prefix}_MIXED)
    list(GET _vrx_fields 2 ${prefix}_BYTES)
    list(GET _vrx_fields 3 ${prefix}_CORE)
    list(GET _vrx_fields 4 ${prefix}_CORE_BYTES)
    list(GET _vrx_fields 5 ${prefix}_SUBSYSTEM)
    list(GET _vrx_fields 6 ${prefix}_FRAME)
    list(GET _vrx_fields 7 ${prefix}_SOURCE)
    list(GET _vrx_fields 8 ${prefix}_LIBRARY)
endmacro()

# The Windows module definition: four names an entry point, all bound to
# the one __stdcall function, and the data marker.
function(vrx_write_def_file path)
    vrx_read_entry_points(entries)
    set(text "LIBRARY VRXAGAPI.dll\nEXPORTS\n")
    foreach(entry IN LISTS entries)
        vrx_split_entry("${entry}" e)
        set(target "${e_MIXED}@${e_BYTES}")
        string(APPEND text "    ${e_UPPER} = ${target}\n    ${e_UPPER}@${e_BYTES} = ${target}\n")
        string(APPEND text "    ${e_MIXED} = ${target}\n    ${target}\n")
    endforeach()
    string(APPEND text "    sqlzThisIsAVRXLibrary DATA\n")
    file(WRITE ${path} "${text}")
endfunction()

# The Linux export list (a version script) and the linker script that
# makes each upper-case name an alias of the mixed-case function.
function(vrx_write_elf_export_files version_script alias_script)
    vrx_read_entry_points(entries)
    set(globals "    sqlzThisIsAVRXLibrary;\n")
    set(aliases "")
    foreach(entry IN LISTS entries)
        vrx_split_entry("${entry}" e)
        string(APPEND globals "    ${e_UPPER};\n    ${e_MIXED};\n")
        string(APPEND aliases "${e_UPPER} = ${e_MIXED};\n")
    endforeach()
    file(WRITE ${version_script} "{\n  global:\n${globals}  local:\n    *;\n};\n")
    file(WRITE ${alias_script} "${aliases}")
endfunction()
