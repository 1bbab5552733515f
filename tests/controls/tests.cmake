# The value models need no display; the controls themselves are windows. The pop-up
# buttons open a menu, so the text and list controls come along.
vorn_add_test(vorn_controls_tests HEADLESS SUBSYSTEMS util framework assets controls text_lists SOURCES
  controls/value_models_test.cpp
  controls/scroll_bar_model_test.cpp
  controls/range_control_model_test.cpp
  controls/compass_model_test.cpp
  controls/movie_bar_model_test.cpp
)
vorn_add_test(vorn_controls_gui_tests SUBSYSTEMS util framework assets controls text_lists SOURCES
  controls/value_controls_test.cpp
  controls/buttons_test.cpp
  controls/scroll_bar_test.cpp
  controls/text_buttons_test.cpp
  controls/range_control_test.cpp
  controls/compass_test.cpp
  controls/movie_bar_test.cpp
)
