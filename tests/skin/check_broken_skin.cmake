# Breaks copies of the default skin three ways and expects vorn-skincheck to fail on each,
# naming the asset with the right message:
#   cmake -DCHECK=vorn-skincheck -DSKIN=tree -DWORK=dir -P check_broken_skin.cmake
function(expect_failure name expected)
  execute_process(COMMAND ${CHECK} ${WORK}/${name} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(status EQUAL 0)
    message(FATAL_ERROR "${name}: vorn-skincheck passed a broken skin:\n${out}${err}")
  endif()
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${name}: expected the line\n  ${expected}\ngot:\n${out}${err}")
  endif()
endfunction()

function(copy_skin name)
  file(REMOVE_RECURSE ${WORK}/${name})
  file(COPY ${SKIN}/ DESTINATION ${WORK}/${name})
endfunction()

copy_skin(no-finish)
file(READ ${WORK}/no-finish/Generic/vui_tree_f.sts text)
string(REPLACE "finish\n" "" text "${text}")
file(WRITE ${WORK}/no-finish/Generic/vui_tree_f.sts "${text}")
expect_failure(no-finish
  "vui_tree_f.sts: error: Image Script Parser: We've ended without a finish.. [vui_tree_f.sts]")

copy_skin(corrupt-png)
file(WRITE ${WORK}/corrupt-png/Generic/tpl_22x22_play.png "\x89PNG but not really")
expect_failure(corrupt-png "tpl_22x22_play.png: error: Failed because the file was corrupt [tpl_22x22_play.png]")

copy_skin(missing-colour)
file(STRINGS ${WORK}/missing-colour/Generic/vorn_colours.txt lines)
list(FILTER lines EXCLUDE REGEX "^vuiedit_tree_fg ")
list(JOIN lines "\n" text)
file(WRITE ${WORK}/missing-colour/Generic/vorn_colours.txt "${text}\n")
expect_failure(missing-colour "vuiedit_tree_fg: missing: colour (property tree: line colour of every row)")

file(REMOVE_RECURSE ${WORK})
