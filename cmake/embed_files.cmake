# Writes a C++ source holding files as byte arrays, for the program to carry
# its artwork inside itself.
#   -DOUTPUT=the source to write  -DBASE=folder the names are relative to
#   -DFILES=names below BASE, separated by "|"
string(REPLACE "|" ";" files "${FILES}")
set(arrays "")
set(table "")
set(index 0)
foreach(name IN LISTS files)
  file(READ "${BASE}/${name}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
  string(APPEND arrays "const uint8_t file${index}[] = {\n${bytes}};\n")
  string(APPEND table "    {\"${name}\", file${index}, sizeof file${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(CONFIGURE OUTPUT "${OUTPUT}.new" CONTENT "// Generated from the rendered artwork; do not edit.
#include \"themes/embedded_files.h\"

namespace {
${arrays}}  // namespace

const EmbeddedFile builtInArtworkFiles[] = {
${table}};
const size_t builtInArtworkFileCount = ${index};
" @ONLY)
# Left untouched when nothing changed, so the library is not rebuilt.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
