# A module the host loads: a shared library with hidden symbols that exports
# only its entry points, linked against the host interface library.
function(add_host_module name)
  add_library(${name} MODULE ${ARGN})
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
  target_link_libraries(${name} PRIVATE cadhost_api)
  target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL)
  set_target_properties(${name} PROPERTIES SUFFIX ".arx")
  if(NOT name MATCHES "^testmod_")
    add_dependencies(deliverables ${name})
  endif()
endfunction()
