# SPDX-License-Identifier: MIT
# Writes shipped.js: the pictures' drawings, by name, and the names of the data files
# that the page puts in the program's folder, for the page's script.
#   cmake -DOUTPUT=FILE -DPICTURES=SVG;... -DDATA_FILES=FILE;... -P shipped.cmake
set(text "// SPDX-License-Identifier: MIT\n// Written by the build from assets/ and data/: the pictures and the data files.\n")
string(APPEND text "const quimbeloShipped = {\n  pictures: {\n")
foreach(file IN LISTS PICTURES)
    get_filename_component(name ${file} NAME_WE)
    file(READ ${file} svg)
    string(REPLACE "\\" "\\\\" svg "${svg}")
    string(REPLACE "\"" "\\\"" svg "${svg}")
    string(REPLACE "\r" "" svg "${svg}")
    string(REPLACE "\n" "\\n" svg "${svg}")
    string(APPEND text "    ${name}: \"${svg}\",\n")
endforeach()
string(APPEND text "  },\n  files: [")
foreach(file IN LISTS DATA_FILES)
    get_filename_component(name ${file} NAME)
    string(APPEND text "\"${name}\", ")
endforeach()
string(APPEND text "],\n};\n")
file(WRITE ${OUTPUT}.new "${text}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
