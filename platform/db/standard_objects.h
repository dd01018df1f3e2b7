// Builders of the standard objects every drawing has (the layouts and the entries of the named-object
// dictionary that the host and other readers expect), shared by new drawings and by the completion
// of drawings read from files.
#pragma once
#include <string>

#include "db/dbid.h"

class AcDbDatabase;
class AcDbObject;
class AcDbSymbolTableRecord;

// Adds an object to the database, owned by `owner`, and closes it.
AcDbObjectId addClosedObject(AcDbDatabase* database, AcDbObject* object, AcDbObjectId owner);
// The record of that name in the table, created (with the given factory's object, named) when
// missing.
AcDbObjectId ensureSymbolRecord(AcDbDatabase* database, AcDbObjectId table, const std::wstring& name,
                                AcDbSymbolTableRecord* (*make)());
// The entry of a dictionary, created from the factory when missing (the dictionary owns it).
AcDbObjectId ensureDictionaryEntry(AcDbDatabase* database, AcDbObjectId dictionary,
                                   const std::wstring& key, AcDbObject* (*make)());

// A LAYOUT object for a layout block ("Model" for model space), linked both ways with the record.
AcDbObjectId createLayout(AcDbDatabase* database, AcDbObjectId layoutDictionary,
                          const std::wstring& name, int tabOrder, AcDbObjectId blockRecord);
// The standard multiline style and the "Normal" plot style placeholder.
AcDbObject* makeStandardMlineStyle();
AcDbObject* makePlaceholder();
// The standard records' contents: the *Active viewport, the Standard dimension style.
AcDbSymbolTableRecord* makeActiveViewport();
AcDbSymbolTableRecord* makeStandardDimStyle();
