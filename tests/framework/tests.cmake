# Hints and their texts need no display; windows, controls and groups of them do.
vorn_add_test(vorn_framework_tests HEADLESS SUBSYSTEMS util framework SOURCES
  framework/hints_test.cpp
)
# The window tests put a slider in a sizer, so the controls come along.
vorn_add_test(vorn_framework_gui_tests SUBSYSTEMS util framework assets controls SOURCES
  framework/control_group_test.cpp
  framework/control_test.cpp
  framework/virtual_control_test.cpp
  framework/window_test.cpp
)
