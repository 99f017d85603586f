# The layer rules, enforced for every library that makes up a layer:
#
#   layers_enforce(SOURCE_ROOT <folder> LAYERS <library>...)
#
# 1. Headers: each library exports an include folder of its own, in the build
#    tree, holding links to its own headers only (by their path from the
#    source root, as the sources include them). A library therefore sees its
#    own headers and those of the libraries it links, and an include of a
#    header from a layer above is "No such file" at compile time.
# 2. Includes: a quoted include names a header by its path from the source
#    root, without "..": a bare name would be found beside the including file,
#    whatever layer it belongs to. Only the generated ui_*.h and *.moc files
#    go by bare name. Checked before the library builds; a violation fails the
#    build and names the file and the line.
# 3. Calls: each library is linked whole into a program of its own, with
#    nothing but what it links itself. A call into a layer above (a function
#    declared by hand, without its header) leaves an undefined symbol there.
#
# Run after every library has its sources: the include folders are made from
# the libraries' source lists.

set(LAYERS_SCAN_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/layerincludes.cmake)

function(layers_enforce)
  cmake_parse_arguments(ARG "" "SOURCE_ROOT" "LAYERS" ${ARGN})
  set(tree_root ${CMAKE_BINARY_DIR}/layers)
  # Made anew at every configure: a header moved to another library must not
  # stay visible where it was.
  file(REMOVE_RECURSE ${tree_root})
  file(WRITE ${tree_root}/main.cpp "// Linked with one whole layer library; never run.\nint main()\n{\n    return 0;\n}\n")
  set(owned_headers "")
  foreach(layer ${ARG_LAYERS})
    get_target_property(sources ${layer} SOURCES)
    get_target_property(source_dir ${layer} SOURCE_DIR)
    set(checked "")
    foreach(source ${sources})
      if(NOT IS_ABSOLUTE "${source}")
        set(source ${source_dir}/${source})
      endif()
      cmake_path(IS_PREFIX ARG_SOURCE_ROOT "${source}" NORMALIZE inside)
      if(NOT inside OR NOT EXISTS ${source})
        continue() # generated: moc, resources
      endif()
      list(APPEND checked ${source})
      if(source MATCHES "\\.h$")
        file(RELATIVE_PATH relative ${ARG_SOURCE_ROOT} ${source})
        if(relative IN_LIST owned_headers)
          message(FATAL_ERROR "layer check: ${relative} is listed in two libraries; a file goes to one layer")
        endif()
        list(APPEND owned_headers ${relative})
        get_filename_component(link_dir ${tree_root}/${layer}/${relative} DIRECTORY)
        file(MAKE_DIRECTORY ${link_dir})
        file(CREATE_LINK ${source} ${tree_root}/${layer}/${relative} SYMBOLIC)
      endif()
    endforeach()
    file(MAKE_DIRECTORY ${tree_root}/${layer})
    target_include_directories(${layer} PUBLIC ${tree_root}/${layer})

    # The include rule, checked again whenever one of the files changes.
    list(JOIN checked "\n" checked_text)
    file(WRITE ${tree_root}/${layer}.files "${checked_text}\n")
    set(stamp ${tree_root}/${layer}.includes-checked)
    add_custom_command(
      OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} -DLAYER=${layer} -DFILES=${tree_root}/${layer}.files -DSOURCE_ROOT=${ARG_SOURCE_ROOT}
              -DSTAMP=${stamp} -P ${LAYERS_SCAN_SCRIPT}
      DEPENDS ${checked} ${LAYERS_SCAN_SCRIPT}
      COMMENT "Checking the includes of ${layer}"
      VERBATIM)
    add_custom_target(layerincludes_${layer} DEPENDS ${stamp})
    add_dependencies(${layer} layerincludes_${layer})

    add_executable(layercheck_${layer} ${tree_root}/main.cpp)
    target_link_libraries(layercheck_${layer} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
  endforeach()
endfunction()
