vorn_subsystem(util SOURCES
  util/bitmap.cpp
  util/color.cpp
  util/diagnostics.cpp
  util/enum_string_parser.cpp
  util/filter.cpp
  util/gradient.cpp
  util/raster.cpp
  util/stream.cpp
  util/text.cpp
  util/wx_colour.cpp
  util/wx_image_convert.cpp
  util/wx_image_filter.cpp
)
