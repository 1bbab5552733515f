vorn_subsystem(framework DEPENDS util SOURCES
  framework/control.cpp
  framework/control_group.cpp
  framework/control_group_variants.cpp
  framework/hint_event.cpp
  framework/hints.cpp
  framework/hint_text.cpp
  framework/value_control.cpp
  framework/virtual_control.cpp
  framework/window.cpp
  framework/window_deferred.cpp
  framework/surface.cpp
  framework/write_to_string.cpp
  framework/panel.cpp
)
