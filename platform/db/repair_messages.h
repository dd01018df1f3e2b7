// Texts of the repairs the database makes while reading an object (a name the drawing does not
// define). The host speaks French; the reader prefixes them with the line.
#pragma once
#include <cstddef>
#include <string>

namespace dbmsg {
std::string layerCreated(const std::string& name);
std::string linetypeReplacedByByLayer(const std::string& name);
std::string textStyleReplacedByStandard(const std::string& name);
std::string tableTooLarge(size_t maxCells);
}  // namespace dbmsg
