# Shared by the package tests (cmake -P scripts): building an example
# against a fresh install of the build, as a host would.

# Runs a command; fails the test with its output unless it exits 0.
# The standard output is left in `output`.
function(gv_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "failed (${code}): ${ARGN}\n${out}${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

# Installs build_dir into work/install and builds example_dir in work/build
# with that prefix as the only place to find the package in (further
# configure arguments follow).
function(gv_build_against_install build_dir work example_dir)
  file(REMOVE_RECURSE ${work})
  gv_run(${CMAKE_COMMAND} --install ${build_dir} --prefix ${work}/install)
  gv_run(${CMAKE_COMMAND} -S ${example_dir} -B ${work}/build -G "Unix Makefiles"
         -DCMAKE_PREFIX_PATH=${work}/install -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF ${ARGN})
  file(STRINGS ${work}/build/CMakeCache.txt found REGEX "^GvMFCUtilities_DIR:")
  if(NOT found STREQUAL "GvMFCUtilities_DIR:PATH=${work}/install/lib/cmake/GvMFCUtilities")
    message(FATAL_ERROR "package found elsewhere: ${found}")
  endif()
  gv_run(${CMAKE_COMMAND} --build ${work}/build)
endfunction()
