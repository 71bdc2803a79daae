# Copies the shipped assets into the build tree's application folder. Settings files
# are copied only when absent, so a game played from the build tree keeps its choices
# across rebuilds.
file(COPY ${SOURCE}/ DESTINATION ${DEST})
file(GLOB settings_files RELATIVE ${SETTINGS} ${SETTINGS}/*)
foreach(name IN LISTS settings_files)
  if(NOT EXISTS ${DEST}/${name})
    file(COPY ${SETTINGS}/${name} DESTINATION ${DEST})
  endif()
endforeach()
