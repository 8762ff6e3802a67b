#pragma once

#include <cstdint>
#include <string>

// The common frame of the model programs' binary files: a 32-byte header
// (an 8-character tag naming the kind of data, a version, the dimensions, the
// year and a kind-specific flag) followed by little-endian 32-bit integers and
// 64-bit floats. docs/model-file-formats.md describes every layout.
namespace forecast::models {

enum class BinaryKind { Employment, Households, Impedance, KFactors };

constexpr std::uint32_t kBinaryFormatVersion = 1;
constexpr std::size_t kBinaryHeaderSize = 32;
// Dimensions beyond these are taken for a damaged header, not a region.
constexpr std::uint32_t kMaxZones = 20000;
constexpr std::uint32_t kMaxCategories = 8;

struct BinaryHeader {
  BinaryKind kind = BinaryKind::Employment;
  std::uint32_t zoneCount = 0;
  std::uint32_t firstCount = 0;   // categories of the kind (employment, household, K-factor)
  std::uint32_t secondCount = 0;  // employment categories carried by a household file
  std::int32_t year = 0;
  std::uint32_t flag = 0;         // K-factor files: 0 employment side, 1 household side
};

const char* BinaryKindDescription(BinaryKind kind);

class BinaryWriter {
 public:
  void Header(const BinaryHeader& header);
  void Int32(std::int32_t value);
  void UInt32(std::uint32_t value);
  void Double(double value);
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Reads a binary model file, refusing with a ModelInputError that names the
// file whenever the tag, version, dimensions or size do not fit.
class BinaryReader {
 public:
  BinaryReader(const std::string& bytes, std::string fileName);
  // Only the first bytes of a file of fileSize bytes are at hand; enough to check its header.
  BinaryReader(const std::string& bytes, std::string fileName, std::uint64_t fileSize);

  // Reads and checks the header; payloadBytes gives the size the rest of the
  // file must have for that header.
  BinaryHeader Header(BinaryKind expected, std::uint64_t (*payloadBytes)(const BinaryHeader&));
  std::int32_t Int32();
  // A finite number; nonNegative also refuses values below zero.
  double Double(const char* what, bool nonNegative);
  // count numbers at once, checked as Double does; for the large matrices.
  void Doubles(double* out, std::size_t count, const char* what, bool nonNegative);
  const std::string& FileName() const { return fileName_; }

 private:
  void Need(std::size_t count);
  const std::string& bytes_;
  std::string fileName_;
  std::uint64_t fileSize_;
  std::size_t position_ = 0;
};

// Puts numbers read straight from a file into this machine's byte order and
// checks them as BinaryReader::Doubles does; firstOffset is the file position
// of the first, for the message.
void AdoptFileDoubles(double* values, std::size_t count, const std::string& fileName, std::uint64_t firstOffset, const char* what,
                      bool nonNegative);

}  // namespace forecast::models
