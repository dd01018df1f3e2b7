#include "dxf/dxf_messages.h"

namespace dxf::msg {

namespace {
std::string quoted(std::string_view text) {
  std::string out = "\"";
  out.append(text);
  out += '"';
  return out;
}
}  // namespace

std::string atLine(int line, const std::string& detail) {
  return "ligne " + std::to_string(line) + " : " + detail;
}
std::string cannotRead(const std::string& fileName, const std::string& detail) {
  return "impossible de lire le dessin " + quoted(fileName) + " (" + detail + ")";
}
std::string cannotWrite(const std::string& fileName, const std::string& detail) {
  return "impossible d'enregistrer le dessin " + quoted(fileName) + " (" + detail + ")";
}

std::string fileNotFound() { return "fichier introuvable"; }
std::string fileUnreadable(const std::string& reason) { return "lecture impossible : " + reason; }
std::string invalidGroupCode(std::string_view text) { return "code de groupe invalide " + quoted(text); }
std::string missingValue() { return "fin de fichier inattendue : code de groupe sans valeur"; }
std::string invalidNumber(std::string_view text, int code) {
  return "nombre invalide " + quoted(text) + " (code " + std::to_string(code) + ")";
}
std::string invalidHandle(std::string_view text, int code) {
  return "poignée invalide " + quoted(text) + " (code " + std::to_string(code) + ")";
}
std::string invalidBinary(int code) {
  return "données binaires invalides (code " + std::to_string(code) + ")";
}
std::string unexpectedEnd(std::string_view where) {
  return "fin de fichier inattendue dans " + std::string(where);
}
std::string expectedSection(std::string_view found) {
  return "SECTION attendue, trouvé " + quoted(found);
}
std::string emptyFile() { return "fichier vide"; }

std::string missingEndsec(std::string_view section) {
  return "section " + std::string(section) + " sans ENDSEC, section fermée";
}
std::string missingEof() { return "EOF manquant à la fin du fichier"; }
std::string headerValueSkipped(int code) {
  return "valeur d'en-tête sans variable ignorée (code " + std::to_string(code) + ")";
}
std::string unknownSectionSkipped(std::string_view section) {
  return "section inconnue " + quoted(section) + " ignorée";
}
std::string sectionSkipped(std::string_view section) {
  return "section " + std::string(section) + " ignorée";
}
std::string danglingReference(std::string_view handle, int code) {
  return "référence à un objet inexistant (poignée " + std::string(handle) + ", code " +
         std::to_string(code) + ") supprimée";
}
std::string duplicateHandle(std::string_view handle, std::string_view newHandle) {
  return "poignée " + std::string(handle) + " en double, l'objet reçoit la poignée " +
         std::string(newHandle);
}
std::string missingSeqend(std::string_view parent) {
  return std::string(parent) + " sans SEQEND, séquence terminée";
}
std::string strayFollower(std::string_view type) {
  return std::string(type) + " hors séquence ignoré";
}
std::string unknownEntityKept(std::string_view type) {
  return "entité de type inconnu " + quoted(type) + " conservée telle quelle";
}
std::string unknownObjectKept(std::string_view type) {
  return "objet de type inconnu " + quoted(type) + " conservé tel quel";
}
std::string objectSkipped(std::string_view type) {
  return "objet " + quoted(type) + " ignoré";
}
std::string unknownTableSkipped(std::string_view table) {
  return "table inconnue " + quoted(table) + " ignorée";
}
std::string missingEndtab(std::string_view table) {
  return "table " + std::string(table) + " sans ENDTAB, table fermée";
}
std::string blockWithoutEnd(std::string_view block) {
  return "bloc " + quoted(block) + " sans ENDBLK, bloc fermé";
}
std::string entityOutsideBlock(std::string_view type) {
  return "entité " + std::string(type) + " hors d'un bloc ignorée";
}
std::string ownerMissing(std::string_view type) {
  return std::string(type) + " sans propriétaire valide";
}
std::string objectNotRead(std::string_view type, std::string_view reason) {
  return "objet " + std::string(type) + " illisible (" + std::string(reason) + ") ignoré";
}
std::string oldEntitiesDropped(std::string_view type, int count) {
  return std::to_string(count) + (count > 1 ? " entités " : " entité ") + quoted(type) +
         " au format R12 " + (count > 1 ? "ignorées" : "ignorée") +
         " : ce type n'est pas repris et ne peut être réécrit sans ses sous-classes";
}
std::string selfInsertingBlock(std::string_view block) {
  return "le bloc " + quoted(block) + " s'insère lui-même : cette insertion est ignorée";
}

std::string cannotCreate(const std::string& path, const std::string& reason) {
  return "création de " + quoted(path) + " impossible : " + reason;
}
std::string cannotReplace(const std::string& path, const std::string& reason) {
  return "remplacement de " + quoted(path) + " impossible : " + reason;
}
std::string noDatabase() { return "aucun dessin"; }

}  // namespace dxf::msg
