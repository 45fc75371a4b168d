# The window: Form1, its binding to the cores and the start-up sequence.
target_sources(orvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/accessible_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/change_list_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/journal_table_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/progress_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_link_events.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_placement.cpp
)
