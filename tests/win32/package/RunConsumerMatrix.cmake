# Hosts against the installed package, in the four ways a host and the DLLs
# can disagree about _DEBUG. A host is built once and must run with either
# build of the DLLs: the debug-check build (this tree) and the release build
# (RELEASE_DIR, only what the package holds). The Release host (no _DEBUG) is
# built against the debug-check package and the Debug host (_DEBUG) against
# the release one, each against the package it disagrees with; each runs with
# the DLLs of that package (bin/) and with the other package's DLLs in their
# place (bin-<other>/). Each run must pass --check and the frame host must
# paint. A project for another system must be refused.
# STEP=build installs, builds and checks the refusal (no display needed);
# STEP=run runs the hosts it built.
# cmake -DSTEP=build|run -DBUILD_DIR=... -DRELEASE_DIR=... -DSOURCE_DIR=... -P RunConsumerMatrix.cmake
cmake_policy(SET CMP0007 NEW) # the frame host runs without arguments: an empty list element
include(${SOURCE_DIR}/tests/common/PackageConsumer.cmake)
set(toolchain -DCMAKE_TOOLCHAIN_FILE=${SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake)
set(consumers ${SOURCE_DIR}/tests/win32/package/consumers)

# The package a host of build type `type` is built against, and the other.
macro(gv_host_packages type)
  if("${type}" STREQUAL "Release")
    set(built debug)
    set(other release)
  else()
    set(built release)
    set(other debug)
  endif()
endmacro()

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
    file(REMOVE_RECURSE ${BUILD_DIR}/consumers/${package}-package)
    gv_run(${CMAKE_COMMAND} --install ${package_build} --prefix ${BUILD_DIR}/consumers/${package}-package)
  endforeach()
  foreach(host Release Debug)
    gv_host_packages(${host})
    set(work ${BUILD_DIR}/consumers/${host}-host)
    file(REMOVE_RECURSE ${work})
    gv_run(${CMAKE_COMMAND} -S ${consumers} -B ${work} -G "Unix Makefiles" ${toolchain} -DCMAKE_BUILD_TYPE=${host}
           -DCMAKE_PREFIX_PATH=${BUILD_DIR}/consumers/${built}-package -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
           -DGV_EXAMPLE_HOST_DIR=${SOURCE_DIR}/examples/host)
    gv_run(${CMAKE_COMMAND} --build ${work} -j2)
    # The same programs with each DLL replaced by the other package's.
    file(COPY ${work}/bin/ DESTINATION ${work}/bin-${other})
    file(GLOB dlls RELATIVE ${work}/bin ${work}/bin/*.dll)
    foreach(dll ${dlls})
      file(COPY_FILE ${BUILD_DIR}/consumers/${other}-package/bin/${dll} ${work}/bin-${other}/${dll})
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
  foreach(host Release Debug)
    gv_host_packages(${host})
    foreach(dlls ${built} ${other})
      set(bin ${BUILD_DIR}/consumers/${host}-host/bin)
      if(dlls STREQUAL "${other}")
        set(bin ${bin}-${other})
      endif()
      foreach(run "GvExampleHost.exe;--check;example host: ok" "GvFrameHost.exe;;frame host: painted")
        list(GET run 0 program)
        list(GET run 1 argument)
        list(GET run 2 expected)
        # A frame never validated would spin in its first pump: the frame host
        # ends that itself, the timeout is only the last guard.
        execute_process(COMMAND ${SOURCE_DIR}/scripts/wine-run ${bin}/${program} ${argument} TIMEOUT 120
                        RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
        set(what "${host} host built against the ${built} package, ${dlls} DLLs, ${program}")
        message("${what}: ${out}")
        if(NOT code EQUAL 0 OR NOT out MATCHES "${expected}")
          string(APPEND failures "${what} (${code}): ${out}${err}\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
