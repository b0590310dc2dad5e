# Turns the keyword list files (one word a line) into a C++ source with one
# constant array per file and a look-up by file stem.
#   set(IN_DIR <folder of .txt files>) set(OUT <generated .cpp>) include(embed_keywords.cmake)
# or: cmake -DIN_DIR=... -DOUT=... -P embed_keywords.cmake
file(GLOB files "${IN_DIR}/*.txt")
list(SORT files)
set(arrays "")
set(entries "")
foreach(f IN LISTS files)
  get_filename_component(stem "${f}" NAME_WE)
  file(STRINGS "${f}" words)
  set(body "")
  foreach(w IN LISTS words)
    string(STRIP "${w}" w)
    if(NOT w STREQUAL "")
      string(APPEND body "    u\"${w}\",\n")
    endif()
  endforeach()
  string(APPEND arrays "const std::u16string_view k_${stem}[] = {\n${body}};\n")
  string(APPEND entries "    {\"${stem}\", k_${stem}},\n")
endforeach()
set(text "// Generated from the keyword list files; do not edit.
#include \"syntax/keyword_data.h\"

namespace kelp {
namespace {
${arrays}
struct Entry {
  std::string_view name;
  std::span<const std::u16string_view> words;
};
const Entry kEntries[] = {
${entries}};
}  // namespace

std::span<const std::u16string_view> KeywordList(std::string_view name) {
  for (const Entry& e : kEntries)
    if (e.name == name) return e.words;
  return {};
}

}  // namespace kelp
")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
else()
  set(old "")
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()
