# Flags shared by the library, its tests, examples and benchmarks.
#
# Results must be reproducible bit for bit, so fused multiply-add contraction
# is off everywhere and 32-bit x86 builds keep their doubles in SSE registers
# instead of the 80-bit x87 stack.

if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$" OR
   (CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "86"))
  set(GMATH_X86_32 ON)
else()
  set(GMATH_X86_32 OFF)
endif()

if(GMATH_SANITIZE)
  set(GMATH_SANITIZER_FLAGS
      -fsanitize=address,undefined,float-cast-overflow
      -fno-sanitize-recover=all -fno-omit-frame-pointer)
elseif(GMATH_SANITIZE_THREAD)
  set(GMATH_SANITIZER_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
endif()

function(gmath_apply_flags target)
  target_compile_options(${target} PRIVATE
    -ffp-contract=off
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    $<$<BOOL:${GMATH_WARNINGS_AS_ERRORS}>:-Werror>
    $<$<BOOL:${GMATH_X86_32}>:-msse2 -mfpmath=sse>)
  if(GMATH_SANITIZER_FLAGS)
    target_compile_options(${target} PRIVATE ${GMATH_SANITIZER_FLAGS})
    target_link_options(${target} PRIVATE ${GMATH_SANITIZER_FLAGS})
  endif()
endfunction()
