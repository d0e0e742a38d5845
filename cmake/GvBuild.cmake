# Wine maps the Unix root to drive Z:, so Win32 programs see data there.
if(WIN32)
  set(GV_DATA_DIR_FOR_TARGET "Z:${GV_DATA_DIR}")
else()
  set(GV_DATA_DIR_FOR_TARGET "${GV_DATA_DIR}")
endif()

# Adds a folder only once it has a CMakeLists.txt, so a subsystem can be
# started without touching the top level.
function(gv_optional_subdirectory dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

# GoogleTest from Debian's sources, built with our own flags on both sides.
macro(gv_use_googletest)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(WIN32)
      # The posix-threads mingw flavour still lacks some of gtest's Win32 calls.
      target_compile_definitions(gtest PUBLIC GTEST_HAS_PTHREAD=0)
    endif()
  endif()
endmacro()

# One GoogleTest executable registered as one CTest test: on Win32 every
# start of Wine costs seconds, so cases are never registered one by one.
# gv_add_gtest(NAME name SOURCES ... LIBS ... [WORKING_DIRECTORY dir])
# Every suite also links GV_TEST_LIBS; a suite linking
# GV_PRECOMPILED_TEST_SUPPORT reuses the header that target precompiles.
function(gv_add_gtest)
  cmake_parse_arguments(T "" "NAME;WORKING_DIRECTORY" "SOURCES;LIBS" ${ARGN})
  list(APPEND T_LIBS ${GV_TEST_LIBS})
  gv_use_googletest()
  add_executable(${T_NAME} ${T_SOURCES})
  # A suite compiles as one unit: each file would instantiate GoogleTest's
  # templates and load the precompiled header again (a third of the time).
  # The unit includes the files, so GCC takes each for a header and warns of
  # fixtures in an anonymous namespace that TEST_F derives from outside it.
  set_target_properties(${T_NAME} PROPERTIES UNITY_BUILD_BATCH_SIZE 0)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${T_NAME} PRIVATE -Wno-subobject-linkage)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} gtest gtest_main)
  target_include_directories(${T_NAME} PRIVATE ${GV_ROOT}/tests/common)
  target_compile_definitions(${T_NAME} PRIVATE GV_DATA_DIR="${GV_DATA_DIR_FOR_TARGET}")
  if(GV_PRECOMPILED_TEST_SUPPORT AND GV_PRECOMPILED_TEST_SUPPORT IN_LIST T_LIBS)
    target_precompile_headers(${T_NAME} REUSE_FROM ${GV_PRECOMPILED_TEST_SUPPORT})
  endif()
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  if(CMAKE_CROSSCOMPILING)
    # A Wine program whose server is stopped under it ends with status 0: a
    # run passes only when GoogleTest reports its end. The suites share one
    # display and Wine prefix (focus, capture and the pointer are the
    # display's), so CTest runs them one at a time.
    set_tests_properties(${T_NAME} PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
                                              FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
                                              RESOURCE_LOCK wine-display)
  endif()
endfunction()

# A Windows module's files spend most of their compile time parsing windows.h
# and the MFC layer's header: each module precompiles them once.
function(gv_precompile_mfc_headers target)
  target_precompile_headers(${target} PRIVATE <windows.h> <platform/mfc/GvMfc.h>)
endfunction()

function(gv_portable_sources)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY GV_PORTABLE_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

function(gv_library_sources)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY GV_LIBRARY_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

# Library targets, once every subsystem has named its files. Library-only
# dependencies are named through GV_LIBRARY_LINKS.
function(gv_create_library_targets)
  get_property(portable GLOBAL PROPERTY GV_PORTABLE_SOURCES)
  get_property(library GLOBAL PROPERTY GV_LIBRARY_SOURCES)
  get_property(links GLOBAL PROPERTY GV_LIBRARY_LINKS)
  if(NOT portable)
    return()
  endif()
  if(WIN32)
    add_library(GvPortable OBJECT ${portable})
    target_compile_definitions(GvPortable PRIVATE GVMFCUTILITIES_EXPORTS)
    add_library(GvMFCUtilities SHARED ${library})
    target_compile_definitions(GvMFCUtilities PRIVATE GVMFCUTILITIES_EXPORTS)
    target_link_libraries(GvMFCUtilities PRIVATE GvPortable PUBLIC GvCore ${links})
    gv_precompile_mfc_headers(GvMFCUtilities)
  else()
    add_library(GvPortable STATIC ${portable})
    # Installed: a program takes from it only the files it needs.
    set_target_properties(GvPortable PROPERTIES UNITY_BUILD OFF)
  endif()
  target_link_libraries(GvPortable PUBLIC GvCore)
endfunction()
