# Fails when a source file includes from a layer above its own. The layers, lowest first: frame, calc, and the window's
# folders of src/app — kit (look, messages, the tab control, forms, settings), sheet (the calculation sheet's layout
# and title block), pages (the page list, the page classes and what only they use), case (a page's saved state in a
# file, the case file, the workspace, the session), tools (the water/steam dialog), window (the main window and its
# actions) — then src/app itself (the window's public header and main). A file may include from its own layer and
# any below it.
#
#   cmake -DSOURCE_DIR=src -P cmake/CheckLayers.cmake
set(layers frame calc app/kit app/sheet app/pages app/case app/tools app/window app)

function(layer_of path out)
  set(rank -1)
  set(i 0)
  foreach(layer IN LISTS layers)
    # app/kit/form.h is in app/kit; app/main.cpp, directly in app, in app; calc/heat/x.h in calc.
    if(path MATCHES "^${layer}/" AND (NOT layer STREQUAL "app" OR path MATCHES "^app/[^/]+$"))
      set(rank ${i})
    endif()
    math(EXPR i "${i} + 1")
  endforeach()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  layer_of("${source}" own)
  if(own LESS 0)
    string(APPEND faults "\n  ${source}: in no layer (add its folder to cmake/CheckLayers.cmake)")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
    layer_of("${included}" theirs)
    if(theirs GREATER own)
      list(GET layers ${theirs} their_layer)
      list(GET layers ${own} own_layer)
      string(APPEND faults "\n  ${source} (${own_layer}) includes ${included} (${their_layer}, above it)")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes against the layers:${faults}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files, every include from its own layer or one below")
