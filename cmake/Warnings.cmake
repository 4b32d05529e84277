# Every target of the project gets the same warnings; they are kept at zero.
add_library(hashwell_warnings INTERFACE)
if(MSVC)
    target_compile_options(hashwell_warnings INTERFACE /W4 $<$<BOOL:${HASHWELL_WERROR}>:/WX>)
else()
    target_compile_options(hashwell_warnings INTERFACE -Wall -Wextra -Wpedantic
        $<$<BOOL:${HASHWELL_WERROR}>:-Werror>)
endif()

if(HASHWELL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(HASHWELL_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

if(HASHWELL_FUZZ)
    # Coverage for libFuzzer in every library; the fuzz targets link the fuzzer itself.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
