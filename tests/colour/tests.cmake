# The colour and gradient models need no display.
vorn_add_test(vorn_colour_tests HEADLESS SUBSYSTEMS util framework assets controls text_lists colour SOURCES
  colour/colour_picker_model_test.cpp
  colour/gradient_strip_model_test.cpp
  colour/gradient_stop_bar_model_test.cpp
)
vorn_add_test(vorn_colour_gui_tests SUBSYSTEMS util framework assets controls text_lists colour SOURCES
  colour/colour_picker_test.cpp
  colour/gradient_strips_test.cpp
  colour/colour_control_test.cpp
  colour/gradient_control_test.cpp
  colour/col_image_holder_test.cpp
)
target_compile_definitions(vorn_colour_gui_tests PRIVATE VORN_TEST_SKIN_DIR="${PROJECT_BINARY_DIR}/skin")
add_dependencies(vorn_colour_gui_tests vorn-skin)
