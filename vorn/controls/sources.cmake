vorn_subsystem(controls DEPENDS util framework assets SOURCES
  controls/button.cpp
  controls/button_drag.cpp
  controls/detail/button_image.cpp
  controls/button_moment.cpp
  controls/virtual_button.cpp
  controls/slider.cpp
  controls/slider_model.cpp
  controls/thumb_wheel.cpp
  controls/thumb_wheel_model.cpp
  controls/angle_control.cpp
  controls/angle_clippers.cpp
  controls/detail/face_cache.cpp
  controls/angle_model.cpp
)
