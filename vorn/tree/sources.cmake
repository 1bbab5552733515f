vorn_subsystem(tree DEPENDS util framework assets controls text_lists colour SOURCES
  tree/tree_layout.cpp
  tree/tree_node.cpp
  tree/tree_control.cpp
  tree/tree_row.cpp
  tree/tree_wrappers.cpp
  tree/blob_row.cpp
  tree/error_row.cpp
  tree/value_rows.cpp
  tree/text_rows.cpp
  tree/asset_rows.cpp
  tree/list_rows.cpp
)
