# The installed package: bin/ (DLLs, gvshader), lib/ (import and static
# libraries), include/ (the chief headers and what they include, in the
# folders they include them from) and lib/cmake/GvMFCUtilities/ (package
# configuration, version file, imported targets). CPack zips the same tree.
include(CMakePackageConfigHelpers)

# A version resource for each DLL, from the one project version.
function(gv_add_version_resource target description)
  set(GV_RC_NAME ${target})
  set(GV_RC_DESCRIPTION ${description})
  configure_file(${GV_ROOT}/cmake/GvVersion.rc.in ${CMAKE_BINARY_DIR}/version/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/version/${target}.rc)
endfunction()

function(gv_install_package)
  if(WIN32)
    set(targets GvCore GvUtilities GvGfxUtil GvMfc GvEdit GvMFCUtilities)
    gv_add_version_resource(GvCore "GvMFCUtilities host core stand-in")
    gv_add_version_resource(GvUtilities "GvMFCUtilities host utilities stand-in")
    gv_add_version_resource(GvGfxUtil "GvMFCUtilities host graphics stand-in")
    gv_add_version_resource(GvMfc "GvMFCUtilities MFC-compatible layer")
    gv_add_version_resource(GvEdit "GvMFCUtilities editor control")
    gv_add_version_resource(GvMFCUtilities "GvMFCUtilities controls and shader parsers")
    # The headers are written for the wide-character build this one is.
    target_compile_definitions(GvMfc INTERFACE $<INSTALL_INTERFACE:UNICODE> $<INSTALL_INTERFACE:_UNICODE>
                                               $<INSTALL_INTERFACE:NOMINMAX>)
    install(DIRECTORY ${GV_ROOT}/include/ ${GV_ROOT}/host_interfaces/ DESTINATION include FILES_MATCHING PATTERN "*.h")
    # The editor's text core and its window's private part stay inside GvEdit.dll.
    foreach(dir platform numeric color shader_editor variable_editors window_utils resources)
      if(EXISTS ${GV_ROOT}/${dir})
        install(DIRECTORY ${GV_ROOT}/${dir}/ DESTINATION include/${dir} FILES_MATCHING PATTERN "*.h"
                REGEX "/edit/core$" EXCLUDE PATTERN "EditCtrlImpl.h" EXCLUDE)
      endif()
    endforeach()
  else()
    set(targets GvCore GvPortable)
    # The static GvCore decodes pictures with the system's libpng and libjpeg.
    set(GV_PACKAGE_DEPENDENCIES "find_dependency(PNG)\nfind_dependency(JPEG)")
    install(FILES ${GV_ROOT}/include/GvShaderParsing.h ${GV_ROOT}/include/GvMFCUtilitiesExport.h DESTINATION include)
    install(DIRECTORY ${GV_ROOT}/host_interfaces/ DESTINATION include FILES_MATCHING PATTERN "*.h")
  endif()
  if(TARGET gvshader)
    install(TARGETS gvshader RUNTIME DESTINATION bin)
    list(APPEND targets gvshader)
  endif()
  # What the package holds and nothing else (no tests, no demo, no
  # benchmarks): enough to install the tree.
  add_custom_target(package_contents DEPENDS ${targets})
  list(REMOVE_ITEM targets gvshader)
  foreach(target ${targets})
    target_include_directories(${target} INTERFACE $<INSTALL_INTERFACE:include>)
    # Static libraries built with the sanitizers need their runtime.
    if(GV_SANITIZE AND NOT WIN32)
      target_link_options(${target} INTERFACE $<INSTALL_INTERFACE:-fsanitize=address,undefined>)
    endif()
  endforeach()
  install(TARGETS ${targets} EXPORT GvMFCUtilitiesTargets
    RUNTIME DESTINATION bin LIBRARY DESTINATION lib ARCHIVE DESTINATION lib)
  set(config_dir lib/cmake/GvMFCUtilities)
  install(EXPORT GvMFCUtilitiesTargets NAMESPACE GvMFCUtilities:: DESTINATION ${config_dir})
  # The configuration refuses a consumer that could not link the package's C++
  # interfaces; a debug-check build says so in its name.
  set(GV_PACKAGE_DEBUG_CHECKS OFF)
  set(package_name GvMFCUtilities)
  if(WIN32 AND GV_DEBUG_CHECKS)
    set(GV_PACKAGE_DEBUG_CHECKS ON)
    set(package_name GvMFCUtilities-debugchecks)
  endif()
  configure_package_config_file(${GV_ROOT}/cmake/GvMFCUtilitiesConfig.cmake.in
    ${CMAKE_BINARY_DIR}/package/GvMFCUtilitiesConfig.cmake INSTALL_DESTINATION ${config_dir})
  write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/GvMFCUtilitiesConfigVersion.cmake
    COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
  install(FILES ${CMAKE_BINARY_DIR}/package/GvMFCUtilitiesConfig.cmake
    ${CMAKE_BINARY_DIR}/package/GvMFCUtilitiesConfigVersion.cmake DESTINATION ${config_dir})

  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME ${package_name})
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  if(WIN32)
    set(CPACK_SYSTEM_NAME win64)
  endif()
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  include(CPack)
endfunction()
