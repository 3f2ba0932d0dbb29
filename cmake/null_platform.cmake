# Writes the core functions of the null platform: one definition per core
# function that the platform headers declare, each returning 0. Compiled
# against those headers, a definition that does not match its declaration
# fails the build. Run as a script: cmake -DDIR=<include/vrxplatform>
# -DOUT=<file> -P null_platform.cmake. The services (include/vrxplatform/services.h) have
# a contract beyond "return 0" and are written by hand (platform/null/).

set(body "// Written by cmake/null_platform.cmake from the platform headers; do not edit.\n")
string(APPEND body "#include \"vrxplatform.h\"\n\nVRX_BEGIN_DECLS\n\n")
file(GLOB headers ${DIR}/*.h)
list(FILTER headers EXCLUDE REGEX "/services\\.h$")
set(count 0)
foreach(header IN LISTS headers)
    file(READ ${header} text)
    # Declarations end at their semicolon; CMake lists split on it, so it
    # is replaced first.
    string(REPLACE ";" "`" text "${text}")
    string(REGEX MATCHALL "VRXAPP_LINK int32_t VRX_STDCALL [A-Za-z0-9_]+\\([^`]*\\)`" declarations "${text}")
    foreach(declaration IN LISTS declarations)
        string(REGEX REPLACE "`$" " { return 0` }\n" definition "${declaration}")
        string(REPLACE "`" ";" definition "${definition}")
        string(APPEND body "${definition}")
        math(EXPR count "${count} + 1")
    endforeach()
endforeach()
if(count EQUAL 0)
    message(FATAL_ERROR "null platform: no core function declared in ${DIR}")
endif()
string(APPEND body "\nVRX_END_DECLS\n")
# Rewritten only when it changes, so that an unrelated header edit does not
# rebuild the library.
if(EXISTS ${OUT})
    file(READ ${OUT} old)
endif()
if(NOT "${old}" STREQUAL "${body}")
    file(WRITE ${OUT} "${body}")
endif()
