// Every text the drawing-file reader and writer show to a user, in one place. The product speaks
// French; messages name the file and the line so that a user can find the damage.
#pragma once
#include <string>
#include <string_view>

namespace dxf::msg {

// "ligne 12 : <detail>"
std::string atLine(int line, const std::string& detail);
// Whole error of a read: impossible de lire le dessin "x.dxf" (<detail>)
std::string cannotRead(const std::string& fileName, const std::string& detail);
// Whole error of a write: impossible d'enregistrer le dessin "x.dxf" (<detail>)
std::string cannotWrite(const std::string& fileName, const std::string& detail);

// Details of fatal read errors.
std::string fileNotFound();
std::string fileUnreadable(const std::string& reason);
std::string invalidGroupCode(std::string_view text);
std::string missingValue();
std::string invalidNumber(std::string_view text, int code);
std::string invalidHandle(std::string_view text, int code);
std::string invalidBinary(int code);
std::string unexpectedEnd(std::string_view where);
std::string expectedSection(std::string_view found);
std::string emptyFile();

// Details of repairs (warnings of a drawing that was read).
std::string missingEndsec(std::string_view section);
std::string missingEof();
std::string headerValueSkipped(int code);
std::string unknownSectionSkipped(std::string_view section);
std::string sectionSkipped(std::string_view section);
std::string danglingReference(std::string_view handle, int code);
std::string duplicateHandle(std::string_view handle, std::string_view newHandle);
std::string missingSeqend(std::string_view parent);
std::string strayFollower(std::string_view type);
std::string unknownEntityKept(std::string_view type);
std::string unknownObjectKept(std::string_view type);
std::string objectSkipped(std::string_view type);
std::string unknownTableSkipped(std::string_view table);
std::string missingEndtab(std::string_view table);
std::string blockWithoutEnd(std::string_view block);
std::string entityOutsideBlock(std::string_view type);
std::string ownerMissing(std::string_view type);
std::string objectNotRead(std::string_view type, std::string_view reason);
std::string selfInsertingBlock(std::string_view block);
std::string oldEntitiesDropped(std::string_view type, int count);

// Details of write errors.
std::string cannotCreate(const std::string& path, const std::string& reason);
std::string cannotReplace(const std::string& path, const std::string& reason);
std::string noDatabase();

}  // namespace dxf::msg
