vorn_add_test(vorn_controls_tests SUBSYSTEMS util framework assets controls SOURCES
  controls/button_group_test.cpp
  controls/button_moment_test.cpp
  controls/button_sizer_test.cpp
  controls/button_test.cpp
  controls/button_virtual_test.cpp
  controls/slider_model_test.cpp
  controls/slider_test.cpp
  controls/thumb_wheel_model_test.cpp
  controls/thumb_wheel_test.cpp
  controls/angle_model_test.cpp
  controls/angle_control_test.cpp
  controls/angle_clippers_test.cpp
)
