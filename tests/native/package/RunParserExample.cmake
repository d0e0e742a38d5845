# The native package: install into a fresh prefix, check the installed
# gvshader's version, build examples/parser against the prefix alone and
# compare its count with the tool's.
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DVERSION=... -P RunParserExample.cmake
set(work ${BUILD_DIR}/example-parser-test)
file(REMOVE_RECURSE ${work})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "failed (${code}): ${ARGN}\n${out}${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${work}/install)
run(${work}/install/bin/gvshader --version)
if(NOT output STREQUAL "gvshader ${VERSION}\n")
  message(FATAL_ERROR "gvshader --version printed '${output}', not the project version ${VERSION}")
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/parser -B ${work}/build -G "Unix Makefiles"
    -DCMAKE_PREFIX_PATH=${work}/install -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
file(STRINGS ${work}/build/CMakeCache.txt found REGEX "^GvMFCUtilities_DIR:")
if(NOT found STREQUAL "GvMFCUtilities_DIR:PATH=${work}/install/lib/cmake/GvMFCUtilities")
  message(FATAL_ERROR "package found elsewhere: ${found}")
endif()
run(${CMAKE_COMMAND} --build ${work}/build)
set(keywords ${SOURCE_DIR}/data/keywords/asm.kwd)
set(shader ${SOURCE_DIR}/data/shaders/ps30_blur.asm)
run(${work}/build/GvExampleParser ${keywords} ${shader} 14)
set(example "${output}")
run(${work}/install/bin/gvshader count --keywords ${keywords} --model 14 ${shader})
message("example: ${example}gvshader: ${output}")
string(STRIP "${example}" example)
if(NOT output MATCHES ": ${example} \\(ps_3_0\\)" OR example MATCHES "^0 arithmetic")
  message(FATAL_ERROR "the example and gvshader count differently")
endif()
