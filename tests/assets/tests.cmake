set(VORN_ASSETS_TEST_SOURCES
  assets/archive_test.cpp
  assets/asset_pipeline_test.cpp
  assets/asset_manager_test.cpp
  assets/asset_test.cpp
  assets/asset_test_util.cpp
  assets/file_asset_loader_test.cpp
  assets/image_loading_test.cpp
  assets/image_script_test.cpp
  assets/image_script_fuzz_regression_test.cpp
  assets/colour_database_test.cpp
  assets/font_database_test.cpp
  assets/image_cache_test.cpp
  assets/wallpaper_test.cpp
)
if(VORN_ASSETS_TEST_SOURCES AND TARGET vorn_assets)
  vorn_add_test(vorn_assets_tests SUBSYSTEMS util assets SOURCES ${VORN_ASSETS_TEST_SOURCES})
endif()
