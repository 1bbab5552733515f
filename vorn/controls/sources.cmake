vorn_subsystem(controls DEPENDS util framework assets SOURCES
  controls/button.cpp
  controls/button_drag.cpp
  controls/button_image.cpp
  controls/button_moment.cpp
  controls/virtual_button.cpp
  controls/slider.cpp
  controls/slider_model.cpp
)
