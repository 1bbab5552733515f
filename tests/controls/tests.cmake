# The value models need no display; the controls themselves are windows.
vorn_add_test(vorn_controls_tests HEADLESS SUBSYSTEMS util framework assets controls SOURCES
  controls/value_models_test.cpp
)
vorn_add_test(vorn_controls_gui_tests SUBSYSTEMS util framework assets controls SOURCES
  controls/value_controls_test.cpp
  controls/buttons_test.cpp
)
