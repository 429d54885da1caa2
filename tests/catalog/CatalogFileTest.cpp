// The compiled catalog format: what the writer produces reads back, and
// nothing damaged or malicious gets past the reader.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "catalog/CatalogFile.h"

namespace {

using namespace expert::catalog;

std::vector<std::uint8_t> SmallCatalog() {
  const CatalogWriteResult written = SerializeCatalog({
      {MessageId(4, 27), 2052, "关闭\r\n"},
      {MessageId(4, 27), 1033, "Close\r\n"},
      {MessageId(2201, 58), 1033, "The value could not be changed.\r\n"},
      {MessageId(4, 73), 1033, "Brightness\r\n"},
  });
  EXPECT_EQ(written.error, "");
  return written.bytes;
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Recomputes the checksum, so a test reaches the checks behind it.
void Reseal(std::vector<std::uint8_t>& bytes) {
  PutU32(bytes, 20, Fnv1a32(std::span(bytes).subspan(kCatalogHeaderSize)));
}

std::string Refusal(const std::vector<std::uint8_t>& bytes) {
  const CatalogReadResult result = ParseCatalog(bytes);
  return result.catalog ? "accepted" : result.error;
}

constexpr std::size_t kTable = kCatalogHeaderSize;  // first table row

}  // namespace

TEST(CatalogFile, WrittenCatalogsReadBack) {
  EXPECT_EQ(MessageId(4, 27), 0x0104001Bu);
  EXPECT_EQ(MessageId(2201, 58), 0x0999003Au);

  const CatalogReadResult read = ParseCatalog(SmallCatalog());
  ASSERT_NE(read.catalog, nullptr) << read.error;
  EXPECT_EQ(read.catalog->size(), 4u);
  EXPECT_EQ(read.catalog->Find(MessageId(4, 27), 1033), "Close\r\n");
  EXPECT_EQ(read.catalog->Find(MessageId(4, 27), 2052), "关闭\r\n");
  EXPECT_EQ(read.catalog->Find(MessageId(2201, 58), 1033), "The value could not be changed.\r\n");
  EXPECT_FALSE(read.catalog->Find(MessageId(4, 27), 1031));
  EXPECT_FALSE(read.catalog->Find(MessageId(4, 28), 1033));

  const CatalogWriteResult empty = SerializeCatalog({});
  ASSERT_EQ(empty.error, "");
  EXPECT_NE(ParseCatalog(empty.bytes).catalog, nullptr);
}

TEST(CatalogFile, WriterRefusesWhatTheReaderWould) {
  EXPECT_EQ(SerializeCatalog({{MessageId(4, 1), 1033, "a\r\n"}, {MessageId(4, 1), 1033, "b\r\n"}}).error,
            "message 4/1 [1033] appears twice");
  EXPECT_EQ(SerializeCatalog({{MessageId(4, 2), 1033, "bad \xFF\r\n"}}).error, "message 4/2 [1033] is not valid UTF-8");
  EXPECT_EQ(SerializeCatalog({{MessageId(4, 3), 1033, std::string("nul\0", 4)}}).error,
            "message 4/3 [1033] is not valid UTF-8");
}

TEST(CatalogFile, EveryTruncationAndEveryChangedByteIsRefused) {
  const std::vector<std::uint8_t> valid = SmallCatalog();
  for (std::size_t length = 0; length < valid.size(); ++length) {
    EXPECT_NE(Refusal({valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length)}), "accepted") << length;
  }
  std::vector<std::uint8_t> longer = valid;
  longer.push_back(0);
  EXPECT_NE(Refusal(longer), "accepted");
  for (std::size_t at = 0; at < valid.size(); ++at) {
    for (const std::uint8_t mask : {0x01, 0x80, 0xFF}) {
      std::vector<std::uint8_t> changed = valid;
      changed[at] ^= mask;
      EXPECT_NE(Refusal(changed), "accepted") << "byte " << at << " mask " << int{mask};
    }
  }
}

TEST(CatalogFile, ConsistentButInvalidTablesAreRefused) {
  const std::vector<std::uint8_t> valid = SmallCatalog();
  const auto refusal = [&](auto damage) {
    std::vector<std::uint8_t> bytes = valid;
    damage(bytes);
    Reseal(bytes);
    return Refusal(bytes);
  };
  EXPECT_EQ(refusal([](auto& b) { PutU32(b, kTable + 8, 0xFFFFFFF0u); }), "entry 0: text lies outside the file");
  EXPECT_EQ(refusal([](auto& b) { PutU32(b, kTable + 12, 0xFFFFFFFFu); }), "entry 0: text lies outside the file");
  EXPECT_EQ(refusal([](auto& b) { PutU32(b, kTable + 16, MessageId(4, 1)); }), "entry 1: table not in ascending order");
  EXPECT_EQ(refusal([](auto& b) {  // a duplicate of the row before
              std::memcpy(&b[kTable + 16], &b[kTable], 8);
            }),
            "entry 1: table not in ascending order");
  EXPECT_EQ(refusal([](auto& b) { b[kTable + 6] = 1; }), "entry 0: reserved field not zero");
  EXPECT_EQ(refusal([&](auto& b) { b[b.size() - 3] = 0xFF; }), "entry 3: text is not valid UTF-8");
  EXPECT_EQ(refusal([&](auto& b) { b[b.size() - 3] = 0; }), "entry 3: text is not valid UTF-8");
  EXPECT_EQ(refusal([](auto& b) { PutU32(b, 8, 2); }), "unsupported catalog version 2");
  EXPECT_EQ(refusal([](auto& b) { PutU32(b, 12, 0x10000000u); }).rfind("size mismatch", 0), 0u);
  EXPECT_EQ(refusal([](auto& b) { b[0] = 'e'; }), "not a catalog file (bad magic)");

  std::vector<std::uint8_t> huge(kMaxCatalogFileSize + 1, 0);
  std::memcpy(huge.data(), valid.data(), kCatalogHeaderSize);
  EXPECT_EQ(Refusal(huge), "file larger than any catalog (limit 16 MiB)");
}
