# The skin's name list, and the checker's library run in-process on skins made in the test.
set(VORN_SKIN_TEST_SOURCES
  skin/skin_names_test.cpp
)
if(TARGET vorn_assets)
  vorn_add_test(vorn_skin_tests SUBSYSTEMS util assets SOURCES ${VORN_SKIN_TEST_SOURCES})
endif()
