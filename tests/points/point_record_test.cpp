// The survey point as a value and in a value chain.
#include <gtest/gtest.h>

#include <cstring>

#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "points/CResbuf.h"
#include "points/pointDuDessin.h"

namespace {

TEST(PointRecord, NamesAreCutToNineAnsiCharacters) {
  pointDuDessin p;
  EXPECT_EQ(p.getX(), kSansValeur);
  EXPECT_EQ(p.getZ(), kSansValeur);
  EXPECT_EQ(p.getCode(), 1);
  EXPECT_STREQ(p.getNomPoint(), "");
  p.setNomPoint(L"ABCDEFGHIJKL");
  EXPECT_STREQ(p.getNomPoint(), "ABCDEFGHI");
  p.setNomPoint(L"Borne é");
  EXPECT_STREQ(p.getNomPoint(), "Borne \xE9");  // Windows-1252
  pointDuDessin copy;
  copy = p;
  EXPECT_STREQ(copy.getNomPoint(), "Borne \xE9");
}

TEST(PointRecord, EqualityToleranceCodeAndNameCase) {
  pointDuDessin a, b;
  a.setParams(L"p12", AcGePoint3d(100.0, 200.0, 50.0), 7);
  b.setParams(L"P12", AcGePoint3d(100.00009, 199.99991, 50.00009), 7);
  EXPECT_TRUE(a == b);
  b.setX(100.0001);
  EXPECT_FALSE(a == b);
  b.setX(100.0);
  b.setCode(8);
  EXPECT_FALSE(a == b);
  b.setCode(7);
  b.setId(AcDbObjectId());  // the block is not compared
  EXPECT_TRUE(a == b);
  b.setXY(103.0, 204.0, 0.0);
  EXPECT_DOUBLE_EQ(a.distanceTo(b), 5.0);  // plane distance
}

TEST(PointRecord, ValueChainRoundTripWithAndWithoutBlock) {
  AcDbDatabase db(true, false);
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId pointId;
  auto* point = new AcDbPoint(AcGePoint3d(1, 2, 0));
  ASSERT_EQ(space->appendAcDbEntity(pointId, point), Acad::eOk);
  point->close();
  space->close();

  pointDuDessin withBlock, without;
  withBlock.setParams(L"S1", AcGePoint3d(10.5, 20.25, 99.125), 100);
  withBlock.setId(pointId);
  without.setParams(L"123456789", AcGePoint3d(1, 2, kSansValeur), 9999);
  CResbuf out;
  ASSERT_EQ(withBlock.saveToXRecord(out), 1);
  ASSERT_EQ(without.saveToXRecord(out), 1);

  // Layout: 92 (10), one 310 chunk of 10 bytes, 90, 40, 40, 40, then 330 or 90 -9999999.
  const int expected[] = {92, 310, 90, 40, 40, 40, 330, 92, 310, 90, 40, 40, 40, 90};
  const resbuf* rb = out.chaine();
  for (int code : expected) {
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(rb->restype, code);
    rb = rb->rbnext;
  }
  EXPECT_EQ(rb, nullptr);

  CResbuf in(acutCopyRbChain(out.chaine()));
  pointDuDessin a, b;
  ASSERT_EQ(a.readFromXRecord(in), 1);
  ASSERT_EQ(b.readFromXRecord(in), 1);
  EXPECT_TRUE(in.finie());
  EXPECT_TRUE(a == withBlock);
  EXPECT_EQ(a.getId(), pointId);
  EXPECT_TRUE(b == without);
  EXPECT_EQ(b.getZ(), kSansValeur);
  EXPECT_TRUE(b.getId().isNull());
}

TEST(PointRecord, ReadingRefusesAnythingElse) {
  // A byte block announcing 11 bytes.
  {
    CResbuf chain;
    char name[11] = "P1";
    chain.ajouterOctets(name, 11);
    pointDuDessin p;
    EXPECT_EQ(p.readFromXRecord(chain), 0);
  }
  // A block cut short by an empty chunk.
  {
    resbuf* head = acutNewRb(92);
    head->resval.rlong = 10;
    resbuf* chunk = acutNewRb(310);
    chunk->resval.rbinary.clen = 0;
    head->rbnext = chunk;
    CResbuf chain(head);
    pointDuDessin p;
    EXPECT_EQ(p.readFromXRecord(chain), 0);
  }
  // A string where the code belongs; the name already read stays.
  {
    CResbuf chain;
    char name[10] = "P7";
    chain.ajouterOctets(name, 10);
    chain.ajouterChaine(L"7");
    pointDuDessin p;
    EXPECT_EQ(p.readFromXRecord(chain), 0);
    EXPECT_STREQ(p.getNomPoint(), "P7");
    Adesk::Int32 code = 0;
    EXPECT_EQ(chain.lireEntier(code), 0);  // the cursor did not move past the string
    std::wstring text;
    EXPECT_EQ(chain.lireChaine(text), 1);
    EXPECT_EQ(text, L"7");
  }
  // A 90 that is not the no-block marker, where the block belongs.
  {
    CResbuf chain;
    char name[10] = "X";
    chain.ajouterOctets(name, 10);
    chain.ajouterEntier(1);
    chain.ajouterReel(0);
    chain.ajouterReel(0);
    chain.ajouterReel(0);
    chain.ajouterEntier(5);
    pointDuDessin p;
    EXPECT_EQ(p.readFromXRecord(chain), 0);
  }
}

TEST(PointRecord, LongByteBlocksComeInChunksOf127) {
  unsigned char bytes[300];
  for (int i = 0; i < 300; ++i) bytes[i] = static_cast<unsigned char>(i);
  CResbuf out;
  ASSERT_EQ(out.ajouterOctets(bytes, 300), 1);
  int chunks = 0;
  for (const resbuf* rb = out.chaine()->rbnext; rb != nullptr; rb = rb->rbnext) {
    EXPECT_EQ(rb->restype, 310);
    EXPECT_LE(rb->resval.rbinary.clen, 127);
    ++chunks;
  }
  EXPECT_EQ(chunks, 3);
  unsigned char back[300] = {};
  CResbuf in(acutCopyRbChain(out.chaine()));
  ASSERT_EQ(in.lireOctets(back, 300), 1);
  EXPECT_EQ(std::memcmp(bytes, back, 300), 0);
}

}  // namespace
