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
  # scroll bars
  controls/scroll_bar_model.cpp
  controls/simple_scroll_bar.cpp
  controls/scroll_bar.cpp
  # text buttons; ring, pop-up and pop-side buttons (the pop-up buttons open a VornMenu)
  controls/text_button.cpp
  controls/ring_button.cpp
  controls/popup_button.cpp
  # range controls
  controls/range_control_model.cpp
  controls/range_control.cpp
  # compass and horizon
  controls/compass_model.cpp
  controls/compass.cpp
  controls/horizon_model.cpp
  controls/horizon.cpp
  controls/detail/horizon_ball.cpp
  # movie bar and time control
  controls/movie_bar_model.cpp
  controls/movie_bar.cpp
  controls/time_control.cpp
)
