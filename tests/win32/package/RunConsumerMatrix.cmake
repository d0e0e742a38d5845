# Hosts against the installed package, in the four ways a host and a package
# can disagree about _DEBUG: the debug-check build (this tree) and the release
# build (RELEASE_DIR, only what the package holds), each used by a host built
# as Release (no _DEBUG) and as Debug (_DEBUG). Each host must pass --check and
# the frame host must paint. A project for another system must be refused.
# STEP=build installs, builds and checks the refusal (no display needed);
# STEP=run runs the hosts it built.
# cmake -DSTEP=build|run -DBUILD_DIR=... -DRELEASE_DIR=... -DSOURCE_DIR=... -P RunConsumerMatrix.cmake
cmake_policy(SET CMP0007 NEW) # the frame host runs without arguments: an empty list element
include(${SOURCE_DIR}/tests/common/PackageConsumer.cmake)
set(toolchain -DCMAKE_TOOLCHAIN_FILE=${SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake)
set(consumers ${SOURCE_DIR}/tests/win32/package/consumers)

set(failures "")
if(STEP STREQUAL "build")
  if(NOT EXISTS ${RELEASE_DIR}/CMakeCache.txt)
    gv_run(${CMAKE_COMMAND} --preset win32-release WORKING_DIRECTORY ${SOURCE_DIR})
  endif()
  gv_run(${CMAKE_COMMAND} --build ${RELEASE_DIR} --target package_contents -j2)
  foreach(package debug release)
    if(package STREQUAL "debug")
      set(package_build ${BUILD_DIR})
    else()
      set(package_build ${RELEASE_DIR})
    endif()
    set(prefix ${BUILD_DIR}/consumers/${package}-package)
    file(REMOVE_RECURSE ${prefix})
    gv_run(${CMAKE_COMMAND} --install ${package_build} --prefix ${prefix})
    foreach(host Release Debug)
      set(work ${BUILD_DIR}/consumers/${package}-package-${host}-host)
      file(REMOVE_RECURSE ${work})
      gv_run(${CMAKE_COMMAND} -S ${consumers} -B ${work} -G "Unix Makefiles" ${toolchain} -DCMAKE_BUILD_TYPE=${host}
             -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
             -DGV_EXAMPLE_HOST_DIR=${SOURCE_DIR}/examples/host)
      gv_run(${CMAKE_COMMAND} --build ${work} -j2)
    endforeach()
  endforeach()

  # A project for Linux is told why the Windows package does not fit it.
  set(work ${BUILD_DIR}/consumers/native-project)
  file(REMOVE_RECURSE ${work})
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/host -B ${work} -G "Unix Makefiles"
                          -DCMAKE_PREFIX_PATH=${BUILD_DIR}/consumers/release-package -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REGEX REPLACE "[ \n]+" " " err "${err}")
  if(code EQUAL 0 OR NOT err MATCHES "built for Windows, 8-byte pointers, GNU C\\+\\+ compiler; this project builds for Linux")
    string(APPEND failures "a Linux project was not refused with the reason (${code}): ${err}\n")
  endif()
else()
  foreach(package debug release)
    foreach(host Release Debug)
      set(work ${BUILD_DIR}/consumers/${package}-package-${host}-host)
      foreach(run "GvExampleHost.exe;--check;example host: ok" "GvFrameHost.exe;;frame host: painted")
        list(GET run 0 program)
        list(GET run 1 argument)
        list(GET run 2 expected)
        # A frame never validated would spin in its first pump: the frame host
        # ends that itself, the timeout is only the last guard.
        execute_process(COMMAND ${SOURCE_DIR}/scripts/wine-run ${work}/bin/${program} ${argument} TIMEOUT 120
                        RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
        message("${package} package, ${host} host, ${program}: ${out}")
        if(NOT code EQUAL 0 OR NOT out MATCHES "${expected}")
          string(APPEND failures "${package} package, ${host} host, ${program} (${code}): ${out}${err}\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
