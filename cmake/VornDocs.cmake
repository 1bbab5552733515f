# `docs`: the API reference of the installed headers (detail/ folders left out), made by
# Doxygen from docs/Doxyfile into <build>/docs/html. Undocumented public names are warned
# about on stderr.
find_program(VORN_DOXYGEN doxygen)
if(VORN_DOXYGEN)
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/docs
    COMMAND ${CMAKE_COMMAND} -E env VORN_SOURCE_DIR=${PROJECT_SOURCE_DIR} VORN_DOCS_DIR=${PROJECT_BINARY_DIR}/docs
            ${VORN_DOXYGEN} ${PROJECT_SOURCE_DIR}/docs/Doxyfile
    COMMENT "API reference: ${PROJECT_BINARY_DIR}/docs/html/index.html"
    VERBATIM)
else()
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E echo "doxygen is not installed (scripts/install-deps.sh installs it)"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()
