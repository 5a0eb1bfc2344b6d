# vemu_generated_assets(<target> SCRIPT <generator.py> PATTERN <*.ext> FOLDER <game subfolder>
#                       EXTENSION <ext> LABEL <word>)
# Every source matching PATTERN in the current source folder becomes
# ${VEMU_GAME_DIR}/<FOLDER>/<name>.<EXTENSION>, made by `python3 SCRIPT <source> <output>`.
function(vemu_generated_assets target)
  cmake_parse_arguments(ARG "" "SCRIPT;PATTERN;FOLDER;EXTENSION;LABEL" "" ${ARGN})
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  file(MAKE_DIRECTORY ${VEMU_GAME_DIR}/${ARG_FOLDER})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_PATTERN})
  set(outputs)
  foreach(source ${sources})
    get_filename_component(name ${source} NAME_WE)
    set(out ${VEMU_GAME_DIR}/${ARG_FOLDER}/${name}.${ARG_EXTENSION})
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${Python3_EXECUTABLE} ${ARG_SCRIPT} ${source} ${out}
      DEPENDS ${source} ${ARG_SCRIPT}
      COMMENT "${ARG_LABEL} ${ARG_FOLDER}/${name}.${ARG_EXTENSION}"
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
