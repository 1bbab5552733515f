vorn_subsystem(util SOURCES
  util/color.cpp
  util/diagnostics.cpp
  util/stream.cpp
  util/text.cpp
  util/wx_colour.cpp
)
