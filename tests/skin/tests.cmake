# The skin's name list and the skin pictures' generator need no display; the default skin
# as the build assembled it (tools on: vorn-skingen and vrk make it) and the checker run
# in-process load image sets as bitmaps, which need one.
set(_vorn_skin_tools OFF)
if(VORN_BUILD_TOOLS AND EXISTS ${PROJECT_SOURCE_DIR}/tools/skingen/CMakeLists.txt)
  set(_vorn_skin_tools ON)
endif()
if(TARGET vorn_assets)
  if(_vorn_skin_tools)
    vorn_add_test(vorn_skin_tests HEADLESS SUBSYSTEMS util assets SOURCES
      skin/skin_names_test.cpp
      skin/skin_pictures_test.cpp
      ${PROJECT_SOURCE_DIR}/tools/skingen/pictures.cpp
      ${PROJECT_SOURCE_DIR}/tools/skingen/shapes.cpp)
    target_include_directories(vorn_skin_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/skingen)

    vorn_add_test(vorn_skin_gui_tests SUBSYSTEMS util assets SOURCES
      skin/default_skin_test.cpp
      skin/skin_check_test.cpp
      ${PROJECT_SOURCE_DIR}/tools/skincheck/skin_check.cpp)
    target_include_directories(vorn_skin_gui_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/skincheck)
    target_compile_definitions(vorn_skin_gui_tests PRIVATE VORN_TEST_SKIN_DIR="${PROJECT_BINARY_DIR}/skin"
                                                           VORN_TEST_ARCHIVE_DIR="${PROJECT_BINARY_DIR}/archives")
    add_dependencies(vorn_skin_gui_tests vorn-skin)

    # The installed command's contract: the default skin checks clean from the tree and
    # from the archives; a broken copy fails with the asset's name and the message.
    add_test(NAME skincheck.tree COMMAND vorn-skincheck ${PROJECT_BINARY_DIR}/skin)
    add_test(NAME skincheck.archives COMMAND vorn-skincheck ${PROJECT_BINARY_DIR}/archives/vorn_1.vrk
                                                            ${PROJECT_BINARY_DIR}/archives/vorn_2.vrk)
    set_tests_properties(skincheck.tree skincheck.archives PROPERTIES
      PASS_REGULAR_EXPRESSION "skin check: [0-9]+ assets checked, 0 errors, 0 missing, 0 unused")
    add_test(NAME skincheck.broken
      COMMAND ${CMAKE_COMMAND} -DCHECK=$<TARGET_FILE:vorn-skincheck> -DSKIN=${PROJECT_BINARY_DIR}/skin
              -DWORK=${CMAKE_CURRENT_BINARY_DIR}/skincheck-broken
              -P ${CMAKE_CURRENT_SOURCE_DIR}/skin/check_broken_skin.cmake)
    add_test(NAME skincheck.help COMMAND vorn-skincheck --help)
    set_tests_properties(skincheck.help PROPERTIES PASS_REGULAR_EXPRESSION "usage: vorn-skincheck")
    set_tests_properties(skincheck.tree skincheck.archives skincheck.broken PROPERTIES LABELS gui)
    set_tests_properties(skincheck.help PROPERTIES LABELS headless ENVIRONMENT_MODIFICATION "DISPLAY=unset:")
    if(VORN_SANITIZE)
      set_tests_properties(skincheck.tree skincheck.archives skincheck.broken skincheck.help PROPERTIES
        ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/skin/skincheck_lsan.supp:print_suppressions=0")
    endif()
  else()
    vorn_add_test(vorn_skin_tests HEADLESS SUBSYSTEMS util assets SOURCES skin/skin_names_test.cpp)
  endif()
endif()
