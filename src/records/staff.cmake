# The employee and attendance records, included by this folder's CMakeLists.txt.
target_sources(trelvo_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsEmployee.cpp ${CMAKE_CURRENT_LIST_DIR}/clsAttend.cpp)
