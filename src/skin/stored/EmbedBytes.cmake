# cmake -DINPUT=skin.dat -DOUTPUT=data.cpp -P EmbedBytes.cmake
# Writes the zlib stream of a compressed skin file (what follows its 8-byte
# header of version and length) as a C++ byte array.
file(READ "${INPUT}" bytes OFFSET 8 HEX)
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "#include <cstddef>\n"
  "extern const unsigned char kDefaultSkinZlibStream[];\n"
  "extern const std::size_t kDefaultSkinZlibStreamSize;\n"
  "const unsigned char kDefaultSkinZlibStream[] = {\n${bytes}\n};\n"
  "const std::size_t kDefaultSkinZlibStreamSize = ${size};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
