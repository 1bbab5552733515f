vorn_subsystem(colour DEPENDS util framework assets controls text_lists SOURCES
  colour/colour_hints.cpp
  colour/colour_picker_model.cpp
  colour/gradient_hints.cpp
  colour/gradient_strip_model.cpp
  colour/colour_picker.cpp
  colour/gradient_comp.cpp
  colour/gradient_strips.cpp
  colour/gradient_stop_bar_model.cpp
  colour/colour_control.cpp
  colour/colour_slug.cpp
  colour/gradient_control.cpp
  colour/col_image_holder.cpp
)
