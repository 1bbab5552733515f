vorn_add_test(vorn_framework_tests SUBSYSTEMS util framework SOURCES
  framework/control_group_test.cpp
  framework/control_test.cpp
  framework/hints_test.cpp
  framework/virtual_control_test.cpp
  framework/window_test.cpp
)
