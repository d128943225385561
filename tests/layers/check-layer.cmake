# Builds CASE_allowed (must compile) and CASE_denied (must fail on a missing
# header) in BUILD_DIR.
function(build target result output)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(${result} ${code} PARENT_SCOPE)
  set(${output} "${out}" PARENT_SCOPE)
endfunction()

build(${CASE}_allowed code out)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "The header does not compile even against its own library:\n${out}")
endif()
build(${CASE}_denied code out)
if(code EQUAL 0)
  message(FATAL_ERROR "A library included a header of a library above it, and it compiled.")
endif()
if(NOT out MATCHES "No such file or directory")
  message(FATAL_ERROR "The build failed, but not on the missing header:\n${out}")
endif()
message(STATUS "The upward include does not compile, as it should.")
