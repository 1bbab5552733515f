# Finds wxWidgets (GTK3, with GL) and OpenGL/GLU and wraps wxWidgets in an imported
# target, so that both the build tree and an installed package carry the same usage
# requirements through vorn::vorn.
include_guard(GLOBAL)
find_package(wxWidgets 3.2 REQUIRED COMPONENTS gl core base)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
if(NOT TARGET vorn::wxWidgets)
  add_library(vorn::wxWidgets INTERFACE IMPORTED GLOBAL)
  set(_vorn_wx_defs ${wxWidgets_DEFINITIONS})
  if(wxWidgets_DEFINITIONS_DEBUG)
    list(APPEND _vorn_wx_defs $<$<CONFIG:Debug>:${wxWidgets_DEFINITIONS_DEBUG}>)
  endif()
  separate_arguments(_vorn_wx_cxxflags UNIX_COMMAND "${wxWidgets_CXX_FLAGS}")
  set_target_properties(vorn::wxWidgets PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${wxWidgets_INCLUDE_DIRS}"
    INTERFACE_COMPILE_DEFINITIONS "${_vorn_wx_defs}"
    INTERFACE_COMPILE_OPTIONS "${_vorn_wx_cxxflags}"
    INTERFACE_LINK_LIBRARIES "${wxWidgets_LIBRARIES};OpenGL::GL;OpenGL::GLU")
endif()
