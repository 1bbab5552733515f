vorn_add_test(vorn_controls_tests SUBSYSTEMS util framework controls SOURCES
  controls/slider_model_test.cpp
  controls/slider_test.cpp
)
