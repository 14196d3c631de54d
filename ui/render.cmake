# Cell and panel rendering, the joker face tiles and the blocking pause.
add_library(cobblewell_ui_render STATIC
    ${CMAKE_CURRENT_LIST_DIR}/accessible_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cell_accessible.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cell_images.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cell_widget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/face_tiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pause.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolbar_panels.cpp
)
target_include_directories(cobblewell_ui_render PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(cobblewell_ui_render PUBLIC cobblewell_game cobblewell_resources cobblewell_widgets Qt6::Widgets)
