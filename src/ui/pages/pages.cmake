# The six pages of `Pg_Controllo` and the bottom strip: layout and named controls only.
target_sources(orvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/parameters_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lan_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/advanced_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_service_page.cpp
)
