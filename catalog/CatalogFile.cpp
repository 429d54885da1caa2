#include "catalog/CatalogFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

#include "catalog/Utf8.h"

namespace expert::catalog {
namespace {

constexpr std::uint8_t kMagic[8] = {'E', 'X', 'C', 'A', 'T', '\r', '\n', 0x1A};

std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}
void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

CatalogReadResult Refuse(std::string why) { return CatalogReadResult{nullptr, std::move(why)}; }

std::string Describe(const CatalogEntry& entry) {
  const int category = static_cast<int>(entry.id >> 16) - 256;
  const int number = static_cast<int>(entry.id & 0xFFFFu);
  return "message " + std::to_string(category) + "/" + std::to_string(number) + " [" +
         std::to_string(entry.language) + "]";
}

}  // namespace

std::uint32_t Fnv1a32(std::span<const std::uint8_t> bytes) {
  std::uint32_t hash = 2166136261u;
  for (const std::uint8_t byte : bytes) {
    hash ^= byte;
    hash *= 16777619u;
  }
  return hash;
}

std::optional<std::string_view> CatalogData::Find(std::uint32_t id, std::uint16_t language) const {
  const auto it = std::lower_bound(m_index.begin(), m_index.end(), std::pair{id, language},
                                   [](const IndexEntry& entry, const std::pair<std::uint32_t, std::uint16_t>& key) {
                                     return std::pair{entry.id, entry.language} < key;
                                   });
  if (it == m_index.end() || it->id != id || it->language != language) return std::nullopt;
  return std::string_view(m_blob).substr(it->offset, it->length);
}

struct CatalogParser {
  static CatalogReadResult Parse(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kCatalogHeaderSize) return Refuse("file too short for a catalog header");
    if (bytes.size() > kMaxCatalogFileSize) return Refuse("file larger than any catalog (limit 16 MiB)");
    if (!std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin())) return Refuse("not a catalog file (bad magic)");
    const std::uint8_t* header = bytes.data();
    const std::uint32_t version = ReadU32(header + 8);
    const std::uint32_t count = ReadU32(header + 12);
    const std::uint32_t blobSize = ReadU32(header + 16);
    const std::uint32_t checksum = ReadU32(header + 20);
    if (version != kCatalogVersion) return Refuse("unsupported catalog version " + std::to_string(version));
    // 64-bit arithmetic: the counts come from the file and may be anything.
    const std::uint64_t expected = kCatalogHeaderSize + std::uint64_t{count} * kCatalogEntrySize + blobSize;
    if (expected != bytes.size()) {
      return Refuse("size mismatch: header announces " + std::to_string(expected) + " bytes, file has " +
                    std::to_string(bytes.size()) + " (truncated?)");
    }
    const auto body = bytes.subspan(kCatalogHeaderSize);
    if (Fnv1a32(body) != checksum) return Refuse("checksum mismatch (file damaged)");

    auto catalog = std::make_unique<CatalogData>();
    const std::uint8_t* table = body.data();
    const std::uint8_t* blob = table + std::size_t{count} * kCatalogEntrySize;
    catalog->m_blob.assign(reinterpret_cast<const char*>(blob), blobSize);
    catalog->m_index.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* row = table + std::size_t{i} * kCatalogEntrySize;
      const CatalogData::IndexEntry entry{ReadU32(row), ReadU16(row + 4), ReadU32(row + 8), ReadU32(row + 12)};
      const std::string where = "entry " + std::to_string(i);
      if (ReadU16(row + 6) != 0) return Refuse(where + ": reserved field not zero");
      if (std::uint64_t{entry.offset} + entry.length > blobSize) return Refuse(where + ": text lies outside the file");
      if (!catalog->m_index.empty()) {
        const auto& previous = catalog->m_index.back();
        if (std::pair{previous.id, previous.language} >= std::pair{entry.id, entry.language}) {
          return Refuse(where + ": table not in ascending order");
        }
      }
      const std::string_view text = std::string_view(catalog->m_blob).substr(entry.offset, entry.length);
      if (text.find('\0') != std::string_view::npos || !IsValidUtf8(text)) {
        return Refuse(where + ": text is not valid UTF-8");
      }
      catalog->m_index.push_back(entry);
    }
    return CatalogReadResult{std::move(catalog), {}};
  }
};

CatalogReadResult ParseCatalog(std::span<const std::uint8_t> bytes) { return CatalogParser::Parse(bytes); }

CatalogReadResult ReadCatalogFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return Refuse(std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return Refuse("not a regular file");
  if (static_cast<std::uint64_t>(info.st_size) > kMaxCatalogFileSize) return Refuse("file larger than any catalog (limit 16 MiB)");
  std::ifstream in(path, std::ios::binary);
  if (!in) return Refuse("cannot be opened");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size()) || in.peek() != std::char_traits<char>::eof()) {
    return Refuse("changed while being read");
  }
  return ParseCatalog(bytes);
}

CatalogWriteResult SerializeCatalog(std::vector<CatalogEntry> entries) {
  std::sort(entries.begin(), entries.end(), [](const CatalogEntry& a, const CatalogEntry& b) {
    return std::pair{a.id, a.language} < std::pair{b.id, b.language};
  });
  std::vector<std::uint8_t> table;
  std::string blob;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const CatalogEntry& entry = entries[i];
    if (i > 0 && entries[i - 1].id == entry.id && entries[i - 1].language == entry.language) {
      return {{}, Describe(entry) + " appears twice"};
    }
    if (entry.text.find('\0') != std::string::npos || !IsValidUtf8(entry.text)) {
      return {{}, Describe(entry) + " is not valid UTF-8"};
    }
    if (blob.size() + entry.text.size() + table.size() + kCatalogHeaderSize + kCatalogEntrySize > kMaxCatalogFileSize) {
      return {{}, "catalog larger than the 16 MiB limit"};
    }
    PutU32(table, entry.id);
    PutU16(table, entry.language);
    PutU16(table, 0);
    PutU32(table, static_cast<std::uint32_t>(blob.size()));
    PutU32(table, static_cast<std::uint32_t>(entry.text.size()));
    blob += entry.text;
  }
  std::vector<std::uint8_t> body = std::move(table);
  body.insert(body.end(), blob.begin(), blob.end());

  std::vector<std::uint8_t> file(std::begin(kMagic), std::end(kMagic));
  PutU32(file, kCatalogVersion);
  PutU32(file, static_cast<std::uint32_t>(entries.size()));
  PutU32(file, static_cast<std::uint32_t>(blob.size()));
  PutU32(file, Fnv1a32(body));
  file.insert(file.end(), body.begin(), body.end());
  return {std::move(file), {}};
}

}  // namespace expert::catalog
