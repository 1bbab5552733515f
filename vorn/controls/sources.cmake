vorn_subsystem(controls DEPENDS util framework SOURCES
  controls/slider.cpp
  controls/slider_model.cpp
)
