// Binary drawing files: the same groups as the text form, each code and value stored in binary.
// They are turned into the text form, which the reader then reads as any other file; a line named
// in a message counts the groups as the text form writes them (two lines per group).
#pragma once
#include <string>
#include <string_view>

namespace dxf {

// True when the text starts with the signature of the binary form.
bool isBinaryDrawing(std::string_view data);
// The text form of a binary file. Throws DxfReadError when the data ends inside a group.
std::string binaryDrawingToText(std::string_view data);

}  // namespace dxf
