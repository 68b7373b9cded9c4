# Turns one file into a C++ array definition: -DINPUT -DOUTPUT -DSYMBOL.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"#include <cstddef>\nextern const unsigned char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}_size;\nconst unsigned char ${SYMBOL}[] = {\n${bytes}0};\nconst std::size_t ${SYMBOL}_size = ${size};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
