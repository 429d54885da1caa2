#pragma once
// The compiled catalog file (.cat): what catalog-compile writes and
// LoadCatalog reads. All numbers little-endian.
//
//   header, 24 bytes:
//     magic     8 bytes  "EXCAT\r\n\x1a" (a text-mode copy or a stray text file shows at once)
//     version   u32      1
//     count     u32      number of table entries
//     blobSize  u32      size of the text blob
//     checksum  u32      FNV-1a (32 bit) over everything after the header
//   table, count x 16 bytes, strictly ascending by (identifier, language):
//     identifier u32, language u16, reserved u16 (0), offset u32, length u32
//   blob, blobSize bytes: the UTF-8 texts, each ending in "\r\n"
//
// The file is exactly header + table + blob long. The reader checks every
// field, every range and the checksum, so a damaged file is refused whole.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace expert::catalog {

// ((category + 256) << 16) | number. Category 0..65279, number 0..65535.
constexpr std::uint32_t MessageId(int category, int number) {
  return (static_cast<std::uint32_t>(category + 256) << 16) | static_cast<std::uint32_t>(number);
}
constexpr bool IsValidMessageRef(int category, int number) {
  return category >= 0 && category <= 0xFFFF - 256 && number >= 0 && number <= 0xFFFF;
}

constexpr std::uint32_t kCatalogVersion = 1;
constexpr std::size_t kCatalogHeaderSize = 24;
constexpr std::size_t kCatalogEntrySize = 16;
constexpr std::size_t kMaxCatalogFileSize = 16u << 20;  // real catalogs are far smaller

struct CatalogEntry {
  std::uint32_t id = 0;
  std::uint16_t language = 0;
  std::string text;  // as stored, line end included
};

// A loaded catalog: immutable, looked up by identifier and language.
class CatalogData {
 public:
  std::optional<std::string_view> Find(std::uint32_t id, std::uint16_t language) const;
  std::size_t size() const { return m_index.size(); }

 private:
  struct IndexEntry {
    std::uint32_t id;
    std::uint16_t language;
    std::uint32_t offset;
    std::uint32_t length;
  };
  friend struct CatalogParser;
  std::vector<IndexEntry> m_index;
  std::string m_blob;
};

struct CatalogReadResult {
  std::unique_ptr<CatalogData> catalog;  // null when refused
  std::string error;                     // why, in a few words
};

CatalogReadResult ParseCatalog(std::span<const std::uint8_t> bytes);
CatalogReadResult ReadCatalogFile(const std::string& path);

// The file image of `entries` (in any order). Fails on a duplicate
// (identifier, language), a text that is not UTF-8 or holds a NUL, or a
// catalog beyond the size limit.
struct CatalogWriteResult {
  std::vector<std::uint8_t> bytes;
  std::string error;  // empty on success
};
CatalogWriteResult SerializeCatalog(std::vector<CatalogEntry> entries);

std::uint32_t Fnv1a32(std::span<const std::uint8_t> bytes);

}  // namespace expert::catalog
