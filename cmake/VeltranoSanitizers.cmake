# Instrumented builds. Each lives in a folder of its own (scripts/test --sanitize,
# scripts/fuzz), so they never mix objects with the normal build.
#
# VLT_SANITIZE: AddressSanitizer and UndefinedBehaviorSanitizer over everything, halting
#   on the first report. Test folders read it to leave out what cannot run instrumented
#   (vlt_add_gtest ... NOT_SANITIZED).
# VLT_FUZZ: the libFuzzer targets of tests/fuzz (clang only), with the same sanitizers.

option(VLT_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VLT_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(VLT_SANITIZER_TEST_ENVIRONMENT "")

if(NOT VLT_SANITIZE AND NOT VLT_FUZZ)
  return()
endif()

set(vlt_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
if(VLT_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VLT_FUZZ needs clang (CXX=clang++)")
  endif()
  list(APPEND vlt_sanitizers -fsanitize=fuzzer-no-link)
endif()
add_compile_options(${vlt_sanitizers})
# GCC's flow analysis sees the sanitizers' checks as paths that skip initialisation and
# warns about the standard library's own headers.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-maybe-uninitialized)
endif()
add_link_options(-fsanitize=address,undefined)

# -O1 keeps the instrumented build quick to compile and its reports exact; line
# tables are all a stack trace needs. Assertions stay on.
foreach(language C CXX)
  set(CMAKE_${language}_FLAGS_RELWITHDEBINFO "-O1 -g1")
endforeach()

# Leaks inside libraries we do not own are suppressed by name, nothing of ours.
set(VLT_SANITIZER_TEST_ENVIRONMENT
  "ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
  "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/leak_suppressions.txt:print_suppressions=0")
