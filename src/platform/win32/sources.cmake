# The Win32-style file dialog calls and window handles, part of tintwell_platform.
target_sources(tintwell_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CommonDialogCalls.h
  ${CMAKE_CURRENT_LIST_DIR}/DialogRecordText.cpp ${CMAKE_CURRENT_LIST_DIR}/DialogRecordText.h
  ${CMAKE_CURRENT_LIST_DIR}/OpenFileName.h
  ${CMAKE_CURRENT_LIST_DIR}/PathSeparator.h
  ${CMAKE_CURRENT_LIST_DIR}/QtDialogCalls.cpp ${CMAKE_CURRENT_LIST_DIR}/QtDialogCalls.h
  ${CMAKE_CURRENT_LIST_DIR}/QtWindowCalls.cpp ${CMAKE_CURRENT_LIST_DIR}/QtWindowCalls.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowCalls.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowHandles.cpp ${CMAKE_CURRENT_LIST_DIR}/WindowHandles.h
)
