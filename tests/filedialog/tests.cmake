# The file dialog component's tests: the component against scripted calls, the
# centering hooks, the window handles, and Qt's real file dialog offscreen.
set(_fd ${CMAKE_CURRENT_LIST_DIR})

tintwell_add_test(test_opensavedialog
  SOURCES ${_fd}/test_opensavedialog.cpp ${_fd}/ScriptedCalls.h
  LIBS tintwell_filedialog tintwell_platform)
