set(VORN_ASSETS_SOURCES
  assets/colour_database.cpp
  assets/font_database.cpp
)
vorn_subsystem(assets DEPENDS util SOURCES ${VORN_ASSETS_SOURCES})
