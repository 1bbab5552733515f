vorn_subsystem(text_lists DEPENDS util framework assets controls SOURCES
  # editing model and single-line edit boxes
  text_lists/text_model.cpp
  text_lists/text_input.cpp
  text_lists/edit.cpp
  text_lists/edit_boxes.cpp
  # multi-line edit box
  text_lists/line_layout.cpp
  text_lists/multi_edit.cpp
  # list box, its pop-up and the list button
  text_lists/popup_placement.cpp
  text_lists/popup_navigation.cpp
  text_lists/popup_frame.cpp
  text_lists/list_box.cpp
  text_lists/list_popup.cpp
  text_lists/list_button.cpp
  # menu
  text_lists/menu.cpp
  # multi-column table
  text_lists/monster_box_model.cpp
  text_lists/monster_box.cpp
  text_lists/monster_cell_area.cpp
)
