# nlohmann-json for the web build: the headers of Debian's package, copied beside
# the build, since the compiler for WebAssembly may not search /usr/include (its
# C library headers are the machine's, not WebAssembly's).
find_path(TARVINDE_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT TARVINDE_JSON_INCLUDE)
  message(FATAL_ERROR "nlohmann/json.hpp not found: install nlohmann-json3-dev (make deps)")
endif()
file(COPY ${TARVINDE_JSON_INCLUDE}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/json-include)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/json-include)
