# Editing, line layout, pop-up placement and the list models need no display.
vorn_add_test(vorn_text_lists_tests HEADLESS SUBSYSTEMS util framework assets controls text_lists SOURCES
  text_lists/text_model_test.cpp
  text_lists/line_layout_test.cpp
  text_lists/list_models_test.cpp
  text_lists/monster_box_model_test.cpp
)
vorn_add_test(vorn_text_lists_gui_tests SUBSYSTEMS util framework assets controls text_lists SOURCES
  text_lists/edit_test.cpp
  text_lists/multi_edit_test.cpp
  text_lists/list_box_test.cpp
  text_lists/menu_test.cpp
  text_lists/monster_box_test.cpp
)
