# The vrk commands and the skin checker's refusal of damaged archives run in-process
# (built from the tools' sources), plus the installed program's command-line contract
# when the tools are built.
vorn_add_test(vorn_tools_tests HEADLESS SUBSYSTEMS util assets SOURCES
  tools/vrk_test.cpp
  assets/asset_test_util.cpp
  ${PROJECT_SOURCE_DIR}/tools/vrk/vrk_commands.cpp
  ${PROJECT_SOURCE_DIR}/tools/skincheck/skin_check.cpp
)
target_include_directories(vorn_tools_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/vrk
                                                    ${PROJECT_SOURCE_DIR}/tools/skincheck
                                                    ${CMAKE_CURRENT_SOURCE_DIR}/assets)
target_compile_definitions(vorn_tools_tests PRIVATE VORN_FUZZ_CORPUS_DIR="${PROJECT_SOURCE_DIR}/fuzz/corpus")
if(VORN_BUILD_TOOLS AND EXISTS ${PROJECT_SOURCE_DIR}/tools/CMakeLists.txt)
  add_test(NAME vrk.help COMMAND vrk --help)
  set_tests_properties(vrk.help PROPERTIES PASS_REGULAR_EXPRESSION "usage: vrk pack OUT.vrk DIR")
  add_test(NAME vrk.rejects_missing_archive COMMAND vrk verify ${CMAKE_CURRENT_BINARY_DIR}/no-such.vrk)
  set_tests_properties(vrk.rejects_missing_archive PROPERTIES WILL_FAIL TRUE)
  set_tests_properties(vrk.help vrk.rejects_missing_archive PROPERTIES
    LABELS headless ENVIRONMENT_MODIFICATION "DISPLAY=unset:")
endif()
