# Compiler warnings and sanitizers shared by every target of the project.
add_library(pelora_options INTERFACE)
target_compile_options(pelora_options INTERFACE
    -Wall -Wextra -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
    # GCC 12 reports std::variant members holding Qt strings as uninitialised where they are not.
    $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
if(PELORA_WERROR)
    target_compile_options(pelora_options INTERFACE -Werror)
endif()
target_compile_definitions(pelora_options INTERFACE QT_USE_QSTRINGBUILDER)
if(PELORA_SANITIZE)
    target_compile_options(pelora_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(pelora_options INTERFACE -fsanitize=address,undefined)
    target_sources(pelora_options INTERFACE ${CMAKE_CURRENT_LIST_DIR}/lsan_suppressions.cpp)
endif()
