// Extension records: chains of every kind of value, binary data, references.
#include <gtest/gtest.h>

#include <cstring>

#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbfiler.h"
#include "db/dbxrecord.h"
#include "dxf/dxf_test_util.h"

using dxftest::Opened;

namespace {

AcDbObjectId addRecord(AcDbDatabase& db, const wchar_t* key) {
  Opened<AcDbDictionary> root(db.namedObjectsDictionaryId(), AcDb::kForWrite);
  auto* record = new AcDbXrecord();
  AcDbObjectId id;
  EXPECT_EQ(root->setAt(key, record, id), Acad::eOk);
  record->close();
  return id;
}

resbuf* binaryChunk(const unsigned char* data, short size) {
  resbuf* rb = acutNewRb(310);
  rb->resval.rbinary.clen = size;
  rb->resval.rbinary.buf = static_cast<char*>(std::malloc(size));
  std::memcpy(rb->resval.rbinary.buf, data, size);
  return rb;
}

// Concatenated binary chunks of a chain.
std::vector<unsigned char> binaryOf(const resbuf* chain) {
  std::vector<unsigned char> bytes;
  for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 310) {
      bytes.insert(bytes.end(), rb->resval.rbinary.buf, rb->resval.rbinary.buf + rb->resval.rbinary.clen);
    }
  }
  return bytes;
}

}  // namespace

TEST(Xrecord, EveryKindOfValueComesBackAsGiven) {
  AcDbDatabase db;
  AcDbObjectId id = addRecord(db, L"ALL");
  AcDbObjectId other = addRecord(db, L"OTHER");
  ads_name otherName;
  acdbGetAdsName(otherName, other);
  const ads_real point[3] = {1.5, -2.0, 3.25};
  resbuf* chain = acutBuildList(1, L"text", 10, point, 40, 2.5, 70, 7, 90, 123456L, 280, 3, 290, 1,
                                300, L"Levé", 330, otherName, 340, otherName, 102, L"{not a group",
                                1071, 5L, 0);
  {
    Opened<AcDbXrecord> record(id, AcDb::kForWrite);
    // 1071 is extended data, not a record value.
    EXPECT_EQ(record->setFromRbChain(*chain), Acad::eInvalidResBuf);
    resbuf* last = chain;
    while (last->rbnext->rbnext != nullptr) last = last->rbnext;
    acutRelRb(last->rbnext);
    last->rbnext = nullptr;
    ASSERT_EQ(record->setFromRbChain(*chain), Acad::eOk);
  }
  Opened<AcDbXrecord> record(id);
  resbuf* back = nullptr;
  ASSERT_EQ(record->rbChain(&back), Acad::eOk);
  const resbuf* a = chain;
  const resbuf* b = back;
  int count = 0;
  for (; a != nullptr && b != nullptr; a = a->rbnext, b = b->rbnext, ++count) {
    ASSERT_EQ(a->restype, b->restype);
    switch (acdbGroupCodeToType(a->restype)) {
      case RTSTR: EXPECT_STREQ(a->resval.rstring, b->resval.rstring); break;
      case RTREAL: EXPECT_EQ(a->resval.rreal, b->resval.rreal); break;
      case RT3DPOINT:
        for (int i = 0; i < 3; ++i) EXPECT_EQ(a->resval.rpoint[i], b->resval.rpoint[i]);
        break;
      case RTSHORT: EXPECT_EQ(a->resval.rint, b->resval.rint); break;
      case RTLONG: EXPECT_EQ(a->resval.rlong, b->resval.rlong); break;
      case RTENAME: EXPECT_EQ(a->resval.rlname[0], b->resval.rlname[0]); break;
      default: ADD_FAILURE() << "unexpected code " << a->restype;
    }
  }
  EXPECT_EQ(count, 11);
  EXPECT_EQ(a, b);  // both ended
  acutRelRb(chain);
  acutRelRb(back);
}

TEST(Xrecord, BinaryDataOfThreeHundredBytesSurvivesCopies) {
  AcDbDatabase db;
  AcDbObjectId id = addRecord(db, L"BIN");
  unsigned char data[300];
  for (int i = 0; i < 300; ++i) data[i] = static_cast<unsigned char>(i * 7 + 1);
  resbuf* chain = acutBuildList(90, 12345L, 92, 300L, 0);
  chain->rbnext->rbnext = binaryChunk(data, 127);
  chain->rbnext->rbnext->rbnext = binaryChunk(data + 127, 127);
  chain->rbnext->rbnext->rbnext->rbnext = binaryChunk(data + 254, 46);
  {
    Opened<AcDbXrecord> record(id, AcDb::kForWrite);
    ASSERT_EQ(record->setFromRbChain(*chain), Acad::eOk);
  }
  acutRelRb(chain);

  // A copy through the group codes (as the file, undo and LISP paths do).
  AcDbXrecord copy;
  {
    Opened<AcDbXrecord> record(id);
    ASSERT_EQ(copy.copyFrom(record.get()), Acad::eOk);
  }
  resbuf* back = nullptr;
  copy.rbChain(back);
  EXPECT_EQ(back->rbnext->restype, 92);
  EXPECT_EQ(back->rbnext->resval.rlong, 300);
  EXPECT_EQ(binaryOf(back), std::vector<unsigned char>(data, data + 300));
  acutRelRb(back);
}

TEST(Xrecord, CloningFlagComesFirstAndLaterCodesAreData) {
  AcDbDatabase db;
  AcDbXrecord record;
  DxfItemListFiler in(&db, AcDbDxfFiler::kFileFiler,
                      {DxfItem::makeString(100, L"AcDbXrecord"), DxfItem::makeInt(280, 1),
                       DxfItem::makeString(102, L"SHADEPLOT"), DxfItem::makeInt(70, 0),
                       DxfItem::makeInt(280, 9)});
  record.dxfInFields(&in);
  EXPECT_EQ(record.mergeStyle(), AcDb::kDrcIgnore);
  ASSERT_EQ(record.items().size(), 3u);
  EXPECT_EQ(record.items()[0].text, L"SHADEPLOT");
  EXPECT_EQ(record.items()[2].integer, 9);

  // Reading again replaces the data instead of adding to it.
  DxfItemListFiler again(&db, AcDbDxfFiler::kFileFiler,
                         {DxfItem::makeString(100, L"AcDbXrecord"), DxfItem::makeInt(280, 2),
                          DxfItem::makeReal(40, 1.0)});
  record.dxfInFields(&again);
  EXPECT_EQ(record.mergeStyle(), AcDb::kDrcReplace);
  ASSERT_EQ(record.items().size(), 1u);
}
