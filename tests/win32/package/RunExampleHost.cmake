# The example host against the installed package, run under Wine.
# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -P RunExampleHost.cmake
include(${SOURCE_DIR}/tests/common/PackageConsumer.cmake)
set(work ${BUILD_DIR}/example-host-test)
gv_build_against_install(${BUILD_DIR} ${work} ${SOURCE_DIR}/examples/host -DCMAKE_BUILD_TYPE=RelWithDebInfo
                         -DCMAKE_TOOLCHAIN_FILE=${SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake)
gv_run(${SOURCE_DIR}/scripts/wine-run ${work}/build/GvExampleHost.exe --check)
message("${output}")
if(NOT output MATCHES "example host: ok")
  message(FATAL_ERROR "the example host did not report ok")
endif()
