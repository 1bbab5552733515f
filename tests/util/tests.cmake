vorn_add_test(vorn_util_tests SUBSYSTEMS util SOURCES
  util/basics_test.cpp
)
