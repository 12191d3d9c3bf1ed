# Flags for every target, and the warnings of the project's own.

if(TINTWATCH_SANITIZE)
  add_compile_options(-fsanitize=${TINTWATCH_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${TINTWATCH_SANITIZE})
endif()

# Bounds-checked C library calls in optimised Linux builds, as distributions
# build their packages (the sanitizers do their own checking).
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT TINTWATCH_SANITIZE AND NOT TINTWATCH_FUZZ)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()

if(TINTWATCH_FUZZ)
  # Coverage for the fuzzer in every library it links.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(tintwatch_warnings target)
  if(MSVC)
    # MSVC's level 4 flags conversions that GCC and Clang accept; warnings
    # there are shown, not fatal.
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${TINTWATCH_WERROR}>:-Werror>)
  endif()
endfunction()
