# tolmora_add_big_resources(<library> <name> PREFIX <prefix> BASE <folder>
#                           FILES <files> [DEPENDS <targets>] [OPTIONS <rcc options>])
#
# Embeds the files in <library> as a Qt resource whose data rcc writes
# straight into an object file, instead of a C array the compiler has to
# parse (megabytes of waves took longer to compile than the whole game).
# The object carries its own registration, so it is linked whole into every
# program that links <library>.
function(tolmora_add_big_resources library name)
  cmake_parse_arguments(ARG "" "PREFIX;BASE" "FILES;DEPENDS;OPTIONS" ${ARGN})
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc)
  set(entries "")
  foreach(file IN LISTS ARG_FILES)
    file(RELATIVE_PATH alias ${ARG_BASE} ${file})
    string(APPEND entries "    <file alias=\"${alias}\">${file}</file>\n")
  endforeach()
  file(CONFIGURE OUTPUT ${qrc} CONTENT
"<RCC>\n  <qresource prefix=\"${ARG_PREFIX}\">\n${entries}  </qresource>\n</RCC>\n")
  qt_add_big_resources(objects ${qrc} OPTIONS ${ARG_OPTIONS})
  add_custom_target(${library}_data DEPENDS ${objects})
  if(ARG_DEPENDS)
    add_dependencies(big_resources_${name} ${ARG_DEPENDS})
  endif()
  add_dependencies(${library} ${library}_data)
  target_link_libraries(${library} INTERFACE ${objects})
endfunction()
