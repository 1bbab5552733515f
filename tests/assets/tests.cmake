# Two binaries: files that make no window, wxBitmap, font or device context go in the first
# list (it runs without a display, see vorn_add_test); the others need one.
# asset_test_util.cpp serves both.
set(VORN_ASSETS_TEST_SOURCES
  assets/archive_test.cpp
  assets/asset_manager_test.cpp
  assets/asset_test.cpp
  assets/image_script_test.cpp
  assets/colour_database_test.cpp
  assets/image_cache_test.cpp
)
set(VORN_ASSETS_GUI_TEST_SOURCES
  assets/file_asset_loader_test.cpp
  assets/corpus_replay_test.cpp
  assets/image_loading_test.cpp
  assets/font_database_test.cpp
  assets/wallpaper_test.cpp
  assets/gl_image_test.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/parser_contracts.cpp
)
if(TARGET vorn_assets)
  vorn_add_test(vorn_assets_tests HEADLESS SUBSYSTEMS util assets SOURCES
    ${VORN_ASSETS_TEST_SOURCES} assets/asset_test_util.cpp)
  vorn_add_test(vorn_assets_gui_tests SUBSYSTEMS util assets SOURCES
    ${VORN_ASSETS_GUI_TEST_SOURCES} assets/asset_test_util.cpp)
  # The fuzz targets' seed inputs are replayed through the parsers.
  foreach(binary vorn_assets_tests vorn_assets_gui_tests)
    target_compile_definitions(${binary} PRIVATE VORN_FUZZ_CORPUS_DIR="${PROJECT_SOURCE_DIR}/fuzz/corpus")
  endforeach()
  target_include_directories(vorn_assets_gui_tests PRIVATE ${PROJECT_SOURCE_DIR}/fuzz)
endif()
