# The value models need no display; the controls themselves are windows.
vorn_add_test(vorn_controls_tests HEADLESS SUBSYSTEMS util framework assets controls SOURCES
  controls/value_models_test.cpp
)
vorn_add_test(vorn_controls_gui_tests SUBSYSTEMS util framework assets controls SOURCES
  controls/value_controls_test.cpp
  controls/buttons_test.cpp
  controls/button_moment_test.cpp
  controls/button_virtual_test.cpp
  controls/sliders_test.cpp
  controls/wheel_dials_test.cpp
)
