# The Windows version resource (VERSIONINFO) of a module, from the one project version:
# Windows shows it in the file's properties, and integrators check it. Elsewhere nothing.
#   vela_version_resource(TARGET DESCRIPTION "text")
set(VELA_PRODUCT "VelaSetupDll")
set(VELA_COMPANY "VelaSetupDll project")
set(VELA_COPYRIGHT "VelaSetupDll project")

function(vela_version_resource target)
  cmake_parse_arguments(ARG "" "DESCRIPTION" "" ${ARGN})
  if(NOT WIN32)
    return()
  endif()
  set(VELA_DESCRIPTION "${ARG_DESCRIPTION}")
  set(VELA_INTERNAL_NAME "${target}")
  set(VELA_FILE_NAME "${target}.dll")
  # Four parts, as the resource holds them: the project's three and a build number of 0.
  set(VELA_VERSION_DOTS "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
  string(REPLACE "." "," VELA_VERSION_COMMAS "${VELA_VERSION_DOTS}")
  set(rc_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in" "${rc_file}" @ONLY)
  target_sources(${target} PRIVATE "${rc_file}")
endfunction()
