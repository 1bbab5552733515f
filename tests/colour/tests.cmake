# The colour and gradient models need no display.
vorn_add_test(vorn_colour_tests HEADLESS SUBSYSTEMS util framework assets controls text_lists colour SOURCES
  colour/colour_picker_model_test.cpp
  colour/gradient_strip_model_test.cpp
)
