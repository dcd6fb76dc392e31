# Compiler options shared by every target of the project.
add_library(vorla_options INTERFACE)
target_compile_options(vorla_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror)
target_compile_definitions(vorla_options INTERFACE
  VORLA_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  VORLA_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  VORLA_VERSION_BUILD=${PROJECT_VERSION_PATCH}
  VORLA_VERSION_REVISION=${PROJECT_VERSION_TWEAK})

# Paths inside the checkout are written relative to it (line tables, __FILE__), so that with
# ccache's base directory set to the checkout a fresh clone in another folder hits the cache.
target_compile_options(vorla_options INTERFACE -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)

if(VORLA_SANITIZE)
  set(_vorla_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(vorla_options INTERFACE ${_vorla_san})
  target_link_options(vorla_options INTERFACE ${_vorla_san})
endif()

if(VORLA_TSAN)
  set(_vorla_tsan -fsanitize=thread -fno-omit-frame-pointer)
  target_compile_options(vorla_options INTERFACE ${_vorla_tsan})
  target_link_options(vorla_options INTERFACE ${_vorla_tsan})
endif()

if(VORLA_FUZZ)
  target_compile_options(vorla_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(vorla_options INTERFACE -fsanitize=address,undefined)
endif()
