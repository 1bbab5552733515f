# Runs as a ctest script: install, then build and run the consumer projects.
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${VORN_BUILD_DIR} --prefix ${prefix})

# Hosts see the public headers only: no internal folder, and nothing that includes one.
file(GLOB_RECURSE installed RELATIVE ${prefix}/include ${prefix}/include/vorn/*)
foreach(header IN LISTS installed)
  if(header MATCHES "/detail/")
    message(FATAL_ERROR "internal header installed: ${header}")
  endif()
  file(STRINGS ${prefix}/include/${header} internal REGEX "#include <vorn/.*/detail/")
  if(internal)
    message(FATAL_ERROR "${header} includes an internal header: ${internal}")
  endif()
endforeach()

# The README's getting-started example, taken from between its markers.
file(READ ${VORN_SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "<!-- example:start -->" start)
string(FIND "${readme}" "<!-- example:end -->" end)
if(start EQUAL -1 OR end EQUAL -1)
  message(FATAL_ERROR "README.md has no example markers")
endif()
string(SUBSTRING "${readme}" ${start} ${end}-${start} block)
string(REGEX REPLACE "^.*```cpp\n" "" block "${block}")
string(REGEX REPLACE "```.*$" "" block "${block}")
file(WRITE ${WORK_DIR}/readme_example.cpp "${block}")

set(launcher)
if(CXX_LAUNCHER)
  set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${CXX_LAUNCHER})
endif()
run(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/project -B ${WORK_DIR}/build -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER} ${launcher}
    -DREADME_EXAMPLE=${WORK_DIR}/readme_example.cpp)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)
run(${WORK_DIR}/build/readme_example --smoke ${prefix}/share/vorn/skin/)

# pkg-config
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
execute_process(COMMAND pkg-config --cflags --libs vorn OUTPUT_VARIABLE flags RESULT_VARIABLE rc
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know vorn")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CXX_COMPILER} -std=c++17 ${CMAKE_CURRENT_LIST_DIR}/project/main.cpp ${flags}
    -Wl,-rpath,${prefix}/lib -o ${WORK_DIR}/consumer_pc)
run(${WORK_DIR}/consumer_pc)
message(STATUS "consumer projects built and ran")
