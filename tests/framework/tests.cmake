# Hints and their texts need no display; windows, controls and groups of them do.
vorn_add_test(vorn_framework_tests HEADLESS SUBSYSTEMS util framework SOURCES
  framework/hints_test.cpp
  framework/write_to_string_test.cpp
)
# The window tests put a slider in a sizer, so the controls come along (and the text and
# list controls, which the pop-up buttons use).
vorn_add_test(vorn_framework_gui_tests SUBSYSTEMS util framework assets controls text_lists SOURCES
  framework/control_group_test.cpp
  framework/control_test.cpp
  framework/virtual_control_test.cpp
  framework/window_test.cpp
  framework/realise_test.cpp
  framework/panel_test.cpp
)
