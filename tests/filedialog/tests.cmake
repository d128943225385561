# The file dialog component's tests: the component against scripted calls, the
# centering hooks, the window handles, and Qt's real file dialog offscreen.
set(_fd ${CMAKE_CURRENT_LIST_DIR})

tintwell_add_test(test_opensavedialog
  SOURCES ${_fd}/test_opensavedialog.cpp ${_fd}/ScriptedCalls.h
  LIBS tintwell_filedialog tintwell_platform)

tintwell_add_test(test_centerhooks
  SOURCES ${_fd}/test_centerhooks.cpp ${_fd}/ScriptedCalls.h
  LIBS tintwell_filedialog tintwell_platform)

tintwell_add_test(test_win32windows
  SOURCES ${_fd}/test_win32windows.cpp
  LIBS tintwell_platform)

tintwell_add_test(test_realfiledialog
  SOURCES ${_fd}/test_realfiledialog.cpp ${_fd}/ModalDriver.h
  LIBS tintwell_filedialog tintwell_platform)

# Fuzzing the result parser needs clang's libFuzzer, so the g++ builds only
# register a test that makes a clang build of its own and runs it (skipped
# when clang is missing); that build, with TINTWELL_FUZZ on, makes the target.
if(TINTWELL_FUZZ)
  set(_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
  target_compile_options(tintwell_filedialog PRIVATE ${_fuzz_flags})
  add_executable(fuzz_parse_returned_name
    ${_fd}/fuzz_parse_returned_name.cpp ${_fd}/ScriptedCalls.h)
  target_compile_options(fuzz_parse_returned_name PRIVATE ${_fuzz_flags})
  target_link_options(fuzz_parse_returned_name PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_parse_returned_name PRIVATE tintwell_filedialog tintwell_platform)
else()
  add_test(NAME fuzz_parse_returned_name
    COMMAND bash ${_fd}/run-fuzz.sh ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}/fuzz)
  set_tests_properties(fuzz_parse_returned_name PROPERTIES
    SKIP_RETURN_CODE 77 TIMEOUT 900 LABELS fuzz)
endif()
