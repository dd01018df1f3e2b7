// Dictionaries: keys, anonymous entries, erased objects, ownership and group codes.
#include <gtest/gtest.h>

#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbfiler.h"
#include "db/dbxrecord.h"
#include "dxf/dxf_test_util.h"

using dxftest::Opened;

namespace {

// A dictionary of the named-object dictionary, open for write for the test.
class DictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Opened<AcDbDictionary> root(db_.namedObjectsDictionaryId(), AcDb::kForWrite);
    auto* dictionary = new AcDbDictionary();
    ASSERT_EQ(root->setAt(L"SURVEY_DATA", dictionary, id_), Acad::eOk);
    dictionary->close();
  }

  AcDbObjectId addRecord(const wchar_t* key) {
    Opened<AcDbDictionary> dictionary(id_, AcDb::kForWrite);
    auto* record = new AcDbXrecord();
    AcDbObjectId id;
    EXPECT_EQ(dictionary->setAt(key, record, id), Acad::eOk);
    record->close();
    return id;
  }

  std::vector<std::wstring> keys() {
    std::vector<std::wstring> names;
    Opened<AcDbDictionary> dictionary(id_);
    AcDbDictionaryIterator* it = dictionary->newIterator();
    for (; !it->done(); it->next()) names.push_back(it->name());
    delete it;
    return names;
  }

  AcDbDatabase db_;
  AcDbObjectId id_;
};

}  // namespace

TEST_F(DictionaryTest, KeysKeepTheirOrderAndAreFoundWithoutCase) {
  AcDbObjectId z = addRecord(L"Zeta");
  addRecord(L"alpha");
  addRecord(L"Mid");
  EXPECT_EQ(keys(), (std::vector<std::wstring>{L"Zeta", L"alpha", L"Mid"}));
  Opened<AcDbDictionary> dictionary(id_, AcDb::kForWrite);
  AcDbObjectId found;
  EXPECT_EQ(dictionary->getAt(L"ZETA", found), Acad::eOk);
  EXPECT_EQ(found, z);
  ACHAR* key = nullptr;
  ASSERT_EQ(dictionary->nameAt(z, key), Acad::eOk);
  EXPECT_STREQ(key, L"Zeta");
  acutDelString(key);
  EXPECT_TRUE(dictionary->setName(L"zeta", L"Omega"));
  EXPECT_FALSE(dictionary->setName(L"Omega", L"ALPHA"));  // taken
  EXPECT_TRUE(dictionary->has(L"omega"));
  EXPECT_EQ(dictionary->getAt(L"", found), Acad::eKeyNotFound);

  // The entry owns the object, which has the dictionary as reactor.
  Opened<AcDbXrecord> record(z);
  EXPECT_EQ(record->ownerId(), id_);
  EXPECT_EQ(record->persistentReactorIds(), std::vector<AcDbObjectId>{id_});
}

TEST_F(DictionaryTest, AnonymousKeysAreNumberedInTheDictionary) {
  addRecord(L"*");
  addRecord(L"*");
  addRecord(L"named");
  addRecord(L"*");
  EXPECT_EQ(keys(), (std::vector<std::wstring>{L"*A1", L"*A2", L"named", L"*A3"}));
}

TEST_F(DictionaryTest, ErasedObjectsAreInvisibleAndTheirKeysReusable) {
  AcDbObjectId gone = addRecord(L"gone");
  addRecord(L"kept");
  {
    Opened<AcDbXrecord> record(gone, AcDb::kForWrite);
    record->erase();
  }
  EXPECT_EQ(keys(), std::vector<std::wstring>{L"kept"});
  {
    Opened<AcDbDictionary> dictionary(id_);
    EXPECT_EQ(dictionary->numEntries(), 1u);
    EXPECT_FALSE(dictionary->has(L"gone"));
    EXPECT_FALSE(dictionary->has(gone));
  }
  AcDbObjectId again = addRecord(L"GONE");
  EXPECT_NE(again, gone);
  EXPECT_EQ(keys(), (std::vector<std::wstring>{L"kept", L"GONE"}));
}

TEST_F(DictionaryTest, ReplacingAndRemovingEntries) {
  AcDbObjectId first = addRecord(L"data");
  AcDbObjectId second = addRecord(L"DATA");  // same key: the first object goes
  EXPECT_TRUE(first.isErased());
  EXPECT_EQ(keys(), std::vector<std::wstring>{L"data"});

  Opened<AcDbDictionary> dictionary(id_, AcDb::kForWrite);
  AcDbObjectId removed;
  ASSERT_EQ(dictionary->remove(L"data", removed), Acad::eOk);
  EXPECT_EQ(removed, second);
  EXPECT_FALSE(second.isErased());  // it stays in the database, without an owner
  Opened<AcDbXrecord> record(second);
  EXPECT_TRUE(record->ownerId().isNull());
  EXPECT_TRUE(record->persistentReactorIds().empty());
  EXPECT_EQ(dictionary->remove(L"data"), Acad::eKeyNotFound);
}

TEST_F(DictionaryTest, EntriesAreWrittenWith350Or360AndBothAreRead) {
  AcDbObjectId a = addRecord(L"a");
  AcDbObjectId b = addRecord(L"b");
  auto entryCodes = [&] {
    Opened<AcDbDictionary> dictionary(id_);
    DxfItemListFiler out(&db_, AcDbDxfFiler::kCopyFiler);
    dictionary->dxfOutFields(&out);
    std::vector<int> codes;
    for (const DxfItem& item : out.items()) {
      if (item.kind == DxfKind::kId && item.code >= 350) codes.push_back(item.code);
    }
    return codes;
  };
  EXPECT_EQ(entryCodes(), (std::vector<int>{350, 350}));
  {
    Opened<AcDbDictionary> dictionary(id_, AcDb::kForWrite);
    dictionary->setTreatElementsAsHard(true);
  }
  EXPECT_EQ(entryCodes(), (std::vector<int>{360, 360}));

  // A file may mix both codes.
  AcDbDictionary read;
  DxfItemListFiler in(&db_, AcDbDxfFiler::kFileFiler,
                      {DxfItem::makeString(100, L"AcDbDictionary"), DxfItem::makeInt(281, 1),
                       DxfItem::makeString(3, L"first"), DxfItem::makeId(350, a),
                       DxfItem::makeString(3, L"second"), DxfItem::makeId(360, b)});
  read.dxfInFields(&in);
  AcDbObjectId found;
  EXPECT_EQ(read.getAt(L"second", found), Acad::eOk);
  EXPECT_EQ(found, b);
  EXPECT_EQ(read.numEntries(), 2u);
  EXPECT_EQ(read.mergeStyle(), AcDb::kDrcIgnore);
}

TEST_F(DictionaryTest, ExtensionDictionariesAreHardOwnedAndReleasedWhenEmpty) {
  AcDbObjectId holder = addRecord(L"holder");
  Opened<AcDbXrecord> record(holder, AcDb::kForWrite);
  ASSERT_EQ(record->createExtensionDictionary(), Acad::eOk);
  AcDbObjectId xdict = record->extensionDictionary();
  AcDbObjectId inner;
  {
    Opened<AcDbDictionary> dictionary(xdict, AcDb::kForWrite);
    EXPECT_TRUE(dictionary->isTreatElementsAsHard());
    EXPECT_EQ(dictionary->ownerId(), holder);
    auto* data = new AcDbXrecord();
    dictionary->setAt(L"DATA", data, inner);
    data->close();
  }
  EXPECT_EQ(record->releaseExtensionDictionary(), Acad::eContainerNotEmpty);
  {
    Opened<AcDbXrecord> data(inner, AcDb::kForWrite);
    data->erase();
  }
  EXPECT_EQ(record->releaseExtensionDictionary(), Acad::eOk);
  EXPECT_TRUE(xdict.isErased());
}
