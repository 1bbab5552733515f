# Installs the library into a scratch prefix and builds small host projects against it:
# through find_package(vorn), through pkg-config, and the README's getting-started example.
if(NOT VORN_SANITIZE)
  add_test(NAME consumer.install_and_build
    COMMAND ${CMAKE_COMMAND}
      -DVORN_BUILD_DIR=${PROJECT_BINARY_DIR}
      -DVORN_SOURCE_DIR=${PROJECT_SOURCE_DIR}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/consumer
      -DCXX_COMPILER=${CMAKE_CXX_COMPILER}
      -DCXX_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
      -P ${CMAKE_CURRENT_LIST_DIR}/run.cmake)
  set_tests_properties(consumer.install_and_build PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE LABELS gui)
endif()

add_test(NAME library.exported_symbols_in_namespace
  COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:vorn> -P ${CMAKE_CURRENT_LIST_DIR}/exported_symbols.cmake)
set_tests_properties(library.exported_symbols_in_namespace PROPERTIES
  LABELS headless ENVIRONMENT_MODIFICATION "DISPLAY=unset:")
