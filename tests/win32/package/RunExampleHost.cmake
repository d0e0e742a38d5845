# The example host against the installed package: install the build into a
# fresh prefix, configure examples/host on its own with only that prefix to
# find the package in, build it, and run it under Wine.
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -P RunExampleHost.cmake
set(work ${BUILD_DIR}/example-host-test)
file(REMOVE_RECURSE ${work})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "failed (${code}): ${ARGN}\n${out}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${work}/install)
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/host -B ${work}/build -G "Unix Makefiles"
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE=${SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
    -DCMAKE_PREFIX_PATH=${work}/install -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
file(STRINGS ${work}/build/CMakeCache.txt found REGEX "^GvMFCUtilities_DIR:")
if(NOT found STREQUAL "GvMFCUtilities_DIR:PATH=${work}/install/lib/cmake/GvMFCUtilities")
  message(FATAL_ERROR "package found elsewhere: ${found}")
endif()
run(${CMAKE_COMMAND} --build ${work}/build)
run(${SOURCE_DIR}/scripts/wine-run ${work}/build/GvExampleHost.exe --check)
message("${output}")
if(NOT output MATCHES "example host: ok")
  message(FATAL_ERROR "the example host did not report ok")
endif()
