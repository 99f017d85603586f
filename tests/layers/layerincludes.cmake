# cmake -DLAYER=<library> -DFILES=<list file> -DSOURCE_ROOT=<folder> -DSTAMP=<file> -P layerincludes.cmake
#
# Checks the quoted includes of one layer's files (see layers.cmake): a
# header is named by its path from the source root, without "..". A bare
# name is found beside the including file, in whatever layer that header
# belongs to, and would slip past the include folders; only the generated
# ui_*.h and *.moc files go by bare name.
file(STRINGS ${FILES} files)
set(faults "")
foreach(file ${files})
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>")
      set(angled TRUE)
    elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\"")
      set(angled FALSE)
    else()
      continue()
    endif()
    set(name ${CMAKE_MATCH_1})
    file(RELATIVE_PATH shown ${SOURCE_ROOT} ${file})
    if(name MATCHES "(^|/)\\.\\.(/|$)")
      string(APPEND faults "\n  ${shown}: #include \"${name}\" climbs out of its folder")
    elseif(NOT angled AND NOT name MATCHES "/" AND NOT name MATCHES "^ui_.*\\.h$" AND NOT name MATCHES "\\.moc$")
      string(APPEND faults "\n  ${shown}: #include \"${name}\" by bare name")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "layer check: ${LAYER} names headers by other means than their path from the source root,"
                      " so they could come from any layer:${faults}")
endif()
file(TOUCH ${STAMP})
