# Copies a program folder's content (everything but the binaries) into another.
file(GLOB entries RELATIVE ${FROM} ${FROM}/*)
foreach(e ${entries})
  if(IS_DIRECTORY ${FROM}/${e})
    file(COPY ${FROM}/${e} DESTINATION ${TO})
  endif()
endforeach()
