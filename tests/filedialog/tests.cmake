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
