# The program users download is built for size: optimised for size, every
# function and object in its own section so the linker drops what nothing
# uses, and no symbols or debug information. The runtime stays linked in
# statically (see platform/win32), so the exe still needs only system DLLs.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
add_compile_options($<$<CONFIG:Release>:-ffunction-sections> $<$<CONFIG:Release>:-fdata-sections>)
add_link_options($<$<CONFIG:Release>:LINKER:--gc-sections> $<$<CONFIG:Release>:-s>)
