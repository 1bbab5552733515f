# The tree's layout, registry, hit tests and label shortening need no display.
vorn_add_test(vorn_tree_tests HEADLESS SUBSYSTEMS util framework assets controls text_lists colour tree SOURCES
  tree/tree_model_test.cpp
)
vorn_add_test(vorn_tree_gui_tests SUBSYSTEMS util framework assets controls text_lists colour tree SOURCES
  tree/tree_control_test.cpp
  tree/rows_test.cpp
  tree/value_rows_test.cpp
  tree/text_rows_test.cpp
  tree/asset_rows_test.cpp
  tree/list_rows_test.cpp
)
target_compile_definitions(vorn_tree_gui_tests PRIVATE VORN_TEST_SKIN_DIR="${PROJECT_BINARY_DIR}/skin")
add_dependencies(vorn_tree_gui_tests vorn-skin)
