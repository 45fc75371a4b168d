# The seven pages of `Pg_Controllo` and the bottom strip: layout and named controls only.
target_sources(orvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/control_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_building.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fitted_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/channel_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/realtime_data_column.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trend_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/three_phase_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/free_parameter_groups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parameters_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lan_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_groups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/advanced_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_service_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/journal_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_strip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/port_list.cpp
)
