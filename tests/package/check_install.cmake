# Installs the build into a fresh prefix and builds and runs the consumer
# program against the installed package twice: found by find_package, and
# compiled by hand with the flags pkg-config gives. The stand-in platform is
# installed into a prefix of its own and reached through LD_LIBRARY_PATH,
# as a platform installed on the system's library path would be.
#   cmake -DBUILD=<build dir> -DSOURCE=<this dir> -DWORK=<scratch dir> -DCC=<compiler> -P check_install.cmake
cmake_policy(VERSION 3.20)

function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what} failed (${rc}):\n${out}${err}")
    endif()
    message(STATUS "${what}: ${out}")
    set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
set(platform ${WORK}/platform)
run("install" ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
run("install the stand-ins" ${CMAKE_COMMAND} --install ${BUILD} --prefix ${platform} --component standins)
foreach(absent lib/libvrxapp.so include/vrxplatform.h include/vrxstub.h)
    if(EXISTS ${prefix}/${absent})
        message(FATAL_ERROR "the package holds ${absent}")
    endif()
endforeach()
file(GLOB copybooks RELATIVE ${SOURCE}/../../include/cobol ${SOURCE}/../../include/cobol/*.cpy)
file(GLOB installed RELATIVE ${prefix}/include/cobol ${prefix}/include/cobol/*.cpy)
if(NOT copybooks OR NOT installed STREQUAL copybooks)
    message(FATAL_ERROR "the package's copybooks (${installed}) are not those of include/cobol")
endif()
set(ENV{LD_LIBRARY_PATH} ${platform}/lib)

# find_package, with the imported target.
run("configure the consumer" ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/consumer -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_C_COMPILER=${CC} -DCMAKE_BUILD_TYPE=Release)
run("build the consumer" ${CMAKE_COMMAND} --build ${WORK}/consumer)
run("run the consumer (find_package)" ${WORK}/consumer/consumer)

# pkg-config, with the flags it gives.
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
run("pkg-config" pkg-config --cflags --libs vrxagapi)
separate_arguments(flags UNIX_COMMAND "${output}")
run("compile the consumer" ${CC} -o ${WORK}/consumer-pc ${SOURCE}/consumer.c ${flags} -Wl,-rpath,${prefix}/lib)
run("run the consumer (pkg-config)" ${WORK}/consumer-pc)
