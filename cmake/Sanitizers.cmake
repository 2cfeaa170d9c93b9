# ZAVIR2_SANITIZE builds every target with AddressSanitizer and
# UndefinedBehaviorSanitizer, so that the tests also catch memory errors, leaks
# and undefined behaviour. Include this before the first add_subdirectory():
# directory-wide options only reach the targets defined after them.
option(ZAVIR2_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(ZAVIR2_SANITIZE)
    # No recovery: undefined behaviour must fail the test that meets it instead
    # of printing a line nobody reads. Frame pointers keep the reports'
    # stacks whole at any optimisation level.
    set(ZAVIR2_SANITIZER_FLAGS
        -fsanitize=address,undefined
        -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${ZAVIR2_SANITIZER_FLAGS})
    add_link_options(${ZAVIR2_SANITIZER_FLAGS})
endif()
