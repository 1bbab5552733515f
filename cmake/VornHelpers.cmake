# vorn_subsystem(NAME SOURCES ... [DEPENDS sub ...])
# Builds one folder of vorn/ as an object library vorn_NAME; libvorn is made from all of them.
function(vorn_subsystem name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()
  endif()
  add_library(vorn_${name} OBJECT ${ARG_SOURCES})
  target_include_directories(vorn_${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_link_libraries(vorn_${name} PUBLIC vorn::wxWidgets)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(vorn_${name} PUBLIC vorn_${dep})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY VORN_SUBSYSTEMS vorn_${name})
endfunction()

# vorn_add_test(NAME [HEADLESS] SOURCES ... SUBSYSTEMS sub ...)
# One GoogleTest binary per test folder and kind, linked against the object libraries it
# exercises (listed explicitly: objects of object libraries are not passed on transitively).
# HEADLESS binaries start wx as a console application and run without a display: their
# tests carry the label "headless" and run with DISPLAY unset, so a test that needs a
# window fails there instead of passing by luck. The others are labelled "gui".
function(vorn_add_test name)
  cmake_parse_arguments(ARG "HEADLESS" "" "SOURCES;SUBSYSTEMS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE vorn_testsupport GTest::gtest)
  if(ARG_HEADLESS)
    target_link_libraries(${name} PRIVATE vorn_testmain_headless)
    set(label headless)
    set(env ENVIRONMENT_MODIFICATION "DISPLAY=unset:")
  else()
    target_link_libraries(${name} PRIVATE vorn_testmain_gui)
    set(label gui)
    set(env)
  endif()
  list(PREPEND ARG_SUBSYSTEMS util) # the harness uses the diagnostics hooks
  list(REMOVE_DUPLICATES ARG_SUBSYSTEMS)
  foreach(sub IN LISTS ARG_SUBSYSTEMS)
    target_link_libraries(${name} PRIVATE vorn_${sub})
  endforeach()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120
               LABELS ${label}
               ${env}
               FAIL_REGULAR_EXPRESSION "Gtk-CRITICAL|GLib-CRITICAL|GLib-GObject-CRITICAL")
endfunction()
