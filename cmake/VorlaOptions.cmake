# Compiler options shared by every target of the project.
add_library(vorla_options INTERFACE)
target_compile_options(vorla_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror)
target_compile_definitions(vorla_options INTERFACE
  VORLA_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  VORLA_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  VORLA_VERSION_BUILD=${PROJECT_VERSION_PATCH}
  VORLA_VERSION_REVISION=${PROJECT_VERSION_TWEAK})

if(VORLA_SANITIZE)
  set(_vorla_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(vorla_options INTERFACE ${_vorla_san})
  target_link_options(vorla_options INTERFACE ${_vorla_san})
endif()

if(VORLA_FUZZ)
  target_compile_options(vorla_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(vorla_options INTERFACE -fsanitize=address,undefined)
endif()
