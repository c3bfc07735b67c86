# Turns the list of v1.2 API page paths (one a line) into a C++ table.
# Run as: cmake -DINPUT=<list> -DOUTPUT=<cpp> -P GeneratePathsData.cmake
file(STRINGS "${INPUT}" pages)
list(LENGTH pages count)
if(NOT count EQUAL 1523)
  message(FATAL_ERROR "${INPUT}: expected 1523 page paths, found ${count}")
endif()
set(body "")
foreach(page IN LISTS pages)
  if(NOT page MATCHES "^[A-Za-z0-9_./]+$")
    message(FATAL_ERROR "${INPUT}: unexpected characters in \"${page}\"")
  endif()
  string(APPEND body "    \"${page}\",\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
"// Generated from jdk12-api-pages.txt by cmake/GeneratePathsData.cmake; do not edit.
#include \"docs/paths_table.h\"

namespace qv {

const std::array<std::string_view, kPathCount> kPaths = {
${body}};

}  // namespace qv
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
