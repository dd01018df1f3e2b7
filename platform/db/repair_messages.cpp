#include "db/repair_messages.h"

namespace dbmsg {

std::string layerCreated(const std::string& name) {
  return "calque \"" + name + "\" non défini : créé";
}

std::string linetypeReplacedByByLayer(const std::string& name) {
  return "type de ligne \"" + name + "\" non défini : DUCALQUE utilisé";
}

std::string textStyleReplacedByStandard(const std::string& name) {
  return "style de texte \"" + name + "\" non défini : Standard utilisé";
}

std::string tableTooLarge(size_t maxCells) {
  return "tableau de plus de " + std::to_string(maxCells) + " cellules : lignes et colonnes en trop ignorées";
}

}  // namespace dbmsg
