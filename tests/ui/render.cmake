# Widget tests of cell and panel rendering, under the offscreen platform with real pixels.
add_executable(ui_render_tests
    ${CMAKE_CURRENT_LIST_DIR}/render_accessibility_tests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render_cell_tests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render_draw_tests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render_panel_tests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render_test_support.cpp
)
target_link_libraries(ui_render_tests PRIVATE cobblewell_ui_render cobblewell_qt_test_main GTest::gtest Qt6::Test)
gtest_discover_tests(ui_render_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 30)
