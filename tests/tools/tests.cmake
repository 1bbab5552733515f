# The vrk commands run in-process (built from the tool's sources), plus the installed
# program's command-line contract when the tools are built.
vorn_add_test(vorn_tools_tests SUBSYSTEMS util assets SOURCES
  tools/vrk_test.cpp
  ${PROJECT_SOURCE_DIR}/tools/vrk/vrk_commands.cpp
)
target_include_directories(vorn_tools_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/vrk)
if(VORN_BUILD_TOOLS AND EXISTS ${PROJECT_SOURCE_DIR}/tools/CMakeLists.txt)
  add_test(NAME vrk.help COMMAND vrk --help)
  set_tests_properties(vrk.help PROPERTIES PASS_REGULAR_EXPRESSION "usage: vrk pack OUT.vrk DIR")
  add_test(NAME vrk.rejects_missing_archive COMMAND vrk verify ${CMAKE_CURRENT_BINARY_DIR}/no-such.vrk)
  set_tests_properties(vrk.rejects_missing_archive PROPERTIES WILL_FAIL TRUE)
endif()
