# Writes a C++ source holding the stored picture block for a JPEG file:
# one byte 10, "TJPEGImage", the 32-bit little-endian file length, the file.
# Run as: cmake -DINPUT=<jpg> -DOUTPUT=<cpp> -P EmbedPicture.cmake

# Two lower-case hex digits of a byte value.
function(hex_byte value out)
    math(EXPR hex "0x100 + ${value}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${hex}" 3 2 digits)
    string(TOLOWER "${digits}" digits)
    set(${out} "${digits}" PARENT_SCOPE)
endfunction()

file(READ "${INPUT}" jpeg HEX)
file(SIZE "${INPUT}" length)
if(length GREATER 4294967295)
    message(FATAL_ERROR "${INPUT} is too long for a 32-bit length")
endif()

set(className "TJPEGImage")
string(LENGTH "${className}" nameLength)
hex_byte(${nameLength} block)
string(HEX "${className}" nameHex)
string(APPEND block "${nameHex}")
foreach(shift 0 8 16 24)
    math(EXPR byte "(${length} >> ${shift}) & 0xFF")
    hex_byte(${byte} digits)
    string(APPEND block "${digits}")
endforeach()
string(APPEND block "${jpeg}")

string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${block}")
# Sixteen bytes a line.
string(REPEAT "0x..," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n" bytes "${bytes}")

file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.
#include \"assets/SchematicPicture.h\"

namespace {
const std::uint8_t Block[] = {
${bytes}
};
} // namespace

std::span<const std::uint8_t> SchematicPictureData()
{
    return Block;
}
")
