set(VORN_ASSETS_TEST_SOURCES
  assets/colour_database_test.cpp
  assets/font_database_test.cpp
)
if(VORN_ASSETS_TEST_SOURCES AND TARGET vorn_assets)
  vorn_add_test(vorn_assets_tests SUBSYSTEMS util assets SOURCES ${VORN_ASSETS_TEST_SOURCES})
endif()
