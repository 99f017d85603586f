# cmake -DWORK=<folder> -DGENERATOR=<generator> -DCXX=<compiler> -P violations.cmake
#
# Builds the small tree in violations/ once per kind of layer violation and
# expects each build to fail for that reason, and the tree without violation
# to build.
cmake_policy(VERSION 3.24)
set(tree ${CMAKE_CURRENT_LIST_DIR}/violations)
# kind, then a pattern the failed build must print (compiler, linker, check)
set(cases
  "none" ""
  "upward_include" "page/upper\\.h.*(No such file|not found)"
  "upward_call" "undefined (reference|symbol).*s32Upper"
  "inline_use" "layer check: lower .*shared/inline_use\\.cpp: #include \"upperpart\\.h\" by bare name")
file(REMOVE_RECURSE ${WORK})
list(LENGTH cases count)
math(EXPR last "${count} - 1")
set(failures "")
foreach(index RANGE 0 ${last} 2)
  math(EXPR pattern_index "${index} + 1")
  list(GET cases ${index} kind)
  list(GET cases ${pattern_index} pattern)
  set(build ${WORK}/${kind})
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${tree} -B ${build} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX}
                          -DVIOLATION=${kind}
                  RESULT_VARIABLE configured OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(configured EQUAL 0)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${build}
                    RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
  else()
    set(built ${configured})
  endif()
  string(REPLACE "\n" " " flat "${output}")
  if(kind STREQUAL "none")
    if(NOT built EQUAL 0)
      string(APPEND failures "\nthe tree without violation does not build:\n${output}")
    else()
      message(STATUS "none: builds")
    endif()
  elseif(built EQUAL 0)
    string(APPEND failures "\n${kind}: the build passed")
  elseif(NOT flat MATCHES "${pattern}")
    string(APPEND failures "\n${kind}: failed, but not for the violation (expected /${pattern}/):\n${output}")
  else()
    string(REGEX MATCH "${pattern}" shown "${flat}")
    message(STATUS "${kind}: fails: ${shown}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
