# Copies the shipped assets into the build tree's application folder.
# Settings files are copied only when absent, so a game played from the
# build tree keeps its choices across rebuilds.
file(GLOB entries RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY ${SOURCE}/${entry})
    file(COPY ${SOURCE}/${entry} DESTINATION ${DEST})
  elseif(entry MATCHES "^(sound|mode|playerimg|menu)\\.txt$")
    if(NOT EXISTS ${DEST}/${entry})
      file(COPY ${SOURCE}/${entry} DESTINATION ${DEST})
    endif()
  else()
    file(COPY ${SOURCE}/${entry} DESTINATION ${DEST})
  endif()
endforeach()
