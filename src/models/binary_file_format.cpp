#include "models/binary_file_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "models/model_error.h"

namespace forecast::models {

namespace {

struct KindTag {
  BinaryKind kind;
  const char* tag;  // exactly 8 characters
  const char* description;
};

constexpr std::array<KindTag, 4> kTags = {{
    {BinaryKind::Employment, "FCEMPLOY", "zone employment"},
    {BinaryKind::Households, "FCHHLAND", "zone households and land"},
    {BinaryKind::Impedance, "FCIMPEDM", "impedance matrix"},
    {BinaryKind::KFactors, "FCKFACTR", "K-factors"},
}};

const KindTag& TagOf(BinaryKind kind) {
  for (const KindTag& entry : kTags) {
    if (entry.kind == kind) return entry;
  }
  return kTags[0];
}

template <typename T>
void AppendLittleEndian(std::string& bytes, T value) {
  static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);
  char raw[sizeof(T)];
  std::memcpy(raw, &value, sizeof(T));
  if constexpr (std::endian::native == std::endian::big) std::reverse(raw, raw + sizeof(T));
  bytes.append(raw, sizeof(T));
}

template <typename T>
T TakeLittleEndian(const std::string& bytes, std::size_t at) {
  char raw[sizeof(T)];
  std::memcpy(raw, bytes.data() + at, sizeof(T));
  if constexpr (std::endian::native == std::endian::big) std::reverse(raw, raw + sizeof(T));
  T value;
  std::memcpy(&value, raw, sizeof(T));
  return value;
}

}  // namespace

const char* BinaryKindDescription(BinaryKind kind) { return TagOf(kind).description; }

void BinaryWriter::Header(const BinaryHeader& header) {
  bytes_.append(TagOf(header.kind).tag, 8);
  UInt32(kBinaryFormatVersion);
  UInt32(header.zoneCount);
  UInt32(header.firstCount);
  UInt32(header.secondCount);
  Int32(header.year);
  UInt32(header.flag);
}

void BinaryWriter::Int32(std::int32_t value) { AppendLittleEndian(bytes_, value); }
void BinaryWriter::UInt32(std::uint32_t value) { AppendLittleEndian(bytes_, value); }
void BinaryWriter::Double(double value) { AppendLittleEndian(bytes_, value); }

BinaryReader::BinaryReader(const std::string& bytes, std::string fileName) : BinaryReader(bytes, std::move(fileName), bytes.size()) {}

BinaryReader::BinaryReader(const std::string& bytes, std::string fileName, std::uint64_t fileSize)
    : bytes_(bytes), fileName_(std::move(fileName)), fileSize_(fileSize) {}

void BinaryReader::Need(std::size_t count) {
  if (bytes_.size() - position_ < count) {
    throw ModelInputError(fileName_ + " is truncated: it ends after " + std::to_string(bytes_.size()) + " bytes.");
  }
}

BinaryHeader BinaryReader::Header(BinaryKind expected, std::uint64_t (*payloadBytes)(const BinaryHeader&)) {
  if (fileSize_ < kBinaryHeaderSize || bytes_.size() < kBinaryHeaderSize) {
    throw ModelInputError(fileName_ + " is too short (" + std::to_string(fileSize_) + " bytes) to be a " +
                          BinaryKindDescription(expected) + " file.");
  }
  const std::string tag = bytes_.substr(0, 8);
  position_ = 8;
  BinaryHeader header;
  bool known = false;
  for (const KindTag& entry : kTags) {
    if (tag == entry.tag) {
      header.kind = entry.kind;
      known = true;
    }
  }
  if (!known) {
    throw ModelInputError(fileName_ + " is not a " + std::string(BinaryKindDescription(expected)) + " file of the model programs.");
  }
  if (header.kind != expected) {
    throw ModelInputError(fileName_ + " holds " + BinaryKindDescription(header.kind) + " data where " +
                          BinaryKindDescription(expected) + " data are needed.");
  }
  const std::uint32_t version = TakeLittleEndian<std::uint32_t>(bytes_, position_);
  position_ += 4;
  if (version != kBinaryFormatVersion) {
    throw ModelInputError(fileName_ + " has format version " + std::to_string(version) + "; this program reads version " +
                          std::to_string(kBinaryFormatVersion) + ".");
  }
  header.zoneCount = TakeLittleEndian<std::uint32_t>(bytes_, 12);
  header.firstCount = TakeLittleEndian<std::uint32_t>(bytes_, 16);
  header.secondCount = TakeLittleEndian<std::uint32_t>(bytes_, 20);
  header.year = TakeLittleEndian<std::int32_t>(bytes_, 24);
  header.flag = TakeLittleEndian<std::uint32_t>(bytes_, 28);
  position_ = kBinaryHeaderSize;
  if (header.zoneCount == 0 || header.zoneCount > kMaxZones) {
    throw ModelInputError(fileName_ + " gives an impossible zone count of " + std::to_string(header.zoneCount) + ".");
  }
  if (header.firstCount > kMaxCategories || header.secondCount > kMaxCategories) {
    throw ModelInputError(fileName_ + " gives an impossible category count.");
  }
  const std::uint64_t expectedSize = kBinaryHeaderSize + payloadBytes(header);
  if (fileSize_ < expectedSize) {
    throw ModelInputError(fileName_ + " is truncated: it holds " + std::to_string(fileSize_) + " bytes, its header calls for " +
                          std::to_string(expectedSize) + ".");
  }
  if (fileSize_ > expectedSize) {
    throw ModelInputError(fileName_ + " is longer (" + std::to_string(fileSize_) + " bytes) than its header allows (" +
                          std::to_string(expectedSize) + ").");
  }
  return header;
}

std::int32_t BinaryReader::Int32() {
  Need(4);
  const auto value = TakeLittleEndian<std::int32_t>(bytes_, position_);
  position_ += 4;
  return value;
}

double BinaryReader::Double(const char* what, bool nonNegative) {
  Need(8);
  const auto value = TakeLittleEndian<double>(bytes_, position_);
  position_ += 8;
  if (!std::isfinite(value) || (nonNegative && value < 0)) {
    throw ModelInputError(fileName_ + " holds an invalid " + std::string(what) + " value at byte " + std::to_string(position_ - 8) + ".");
  }
  return value;
}

void BinaryReader::Doubles(double* out, std::size_t count, const char* what, bool nonNegative) {
  Need(count * 8);
  std::memcpy(out, bytes_.data() + position_, count * 8);
  AdoptFileDoubles(out, count, fileName_, position_, what, nonNegative);
  position_ += count * 8;
}

void AdoptFileDoubles(double* values, std::size_t count, const std::string& fileName, std::uint64_t firstOffset, const char* what,
                      bool nonNegative) {
  if constexpr (std::endian::native == std::endian::big) {
    for (std::size_t i = 0; i < count; ++i) {
      char* raw = reinterpret_cast<char*>(values + i);
      std::reverse(raw, raw + 8);
    }
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (!std::isfinite(values[i]) || (nonNegative && values[i] < 0)) {
      throw ModelInputError(fileName + " holds an invalid " + std::string(what) + " value at byte " + std::to_string(firstOffset + i * 8) + ".");
    }
  }
}

}  // namespace forecast::models
