# Warnings for our own targets; system headers (wx, gtest) are included as system.
function(tarvi_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TARVI_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
