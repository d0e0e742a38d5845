# The native package: examples/parser built against a fresh install counts
# as the installed gvshader does, whose version is the project's.
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DVERSION=... -P RunParserExample.cmake
include(${SOURCE_DIR}/tests/common/PackageConsumer.cmake)
set(work ${BUILD_DIR}/example-parser-test)
gv_build_against_install(${BUILD_DIR} ${work} ${SOURCE_DIR}/examples/parser)
gv_run(${work}/install/bin/gvshader --version)
if(NOT output STREQUAL "gvshader ${VERSION}\n")
  message(FATAL_ERROR "gvshader --version printed '${output}', not the project version ${VERSION}")
endif()
set(keywords ${SOURCE_DIR}/data/keywords/asm.kwd)
set(shader ${SOURCE_DIR}/data/shaders/ps30_blur.asm)
gv_run(${work}/build/GvExampleParser ${keywords} ${shader} 14)
string(STRIP "${output}" example)
gv_run(${work}/install/bin/gvshader count --keywords ${keywords} --model 14 ${shader})
message("example: ${example}\ngvshader: ${output}")
if(NOT output MATCHES ": ${example} \\(ps_3_0\\)" OR example MATCHES "^0 arithmetic")
  message(FATAL_ERROR "the example and gvshader count differently")
endif()
