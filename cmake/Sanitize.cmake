# The sanitizer build: AddressSanitizer and UndefinedBehaviorSanitizer over every target, the program and the tests
# alike. Any report ends the process with an error, so a test that trips one fails.
#
#   cmake -S . -B build-asan -DVXR_SANITIZE=ON
#
# Tests that repeat a case thousands of times read VXR_SANITIZED and run fewer cases under the slower build.
option(VXR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VXR_SANITIZE)
  set(VXR_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${VXR_SANITIZE_FLAGS})
  add_link_options(${VXR_SANITIZE_FLAGS})
  add_compile_definitions(VXR_SANITIZED=1)
endif()
