vorn_add_test(vorn_util_tests HEADLESS SUBSYSTEMS util SOURCES
  util/basics_test.cpp
  util/bitmap_test.cpp
  util/filter_test.cpp
  util/gradient_test.cpp
  util/raster_test.cpp
  util/wx_image_test.cpp
)
vorn_add_test(vorn_util_gui_tests SUBSYSTEMS util SOURCES
  util/wx_bitmap_test.cpp
)
