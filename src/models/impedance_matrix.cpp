#include "models/impedance_matrix.h"

#include "models/binary_file_format.h"
#include "models/model_files.h"

namespace forecast::models {

namespace {
std::uint64_t PayloadBytes(const BinaryHeader& header) {
  return std::uint64_t{header.zoneCount} * header.zoneCount * 8;
}
}  // namespace

std::string EncodeImpedanceMatrix(const ImpedanceMatrix& matrix) {
  BinaryWriter writer;
  BinaryHeader header;
  header.kind = BinaryKind::Impedance;
  header.zoneCount = static_cast<std::uint32_t>(matrix.zoneCount);
  writer.Header(header);
  for (double value : matrix.values) writer.Double(value);
  return writer.Bytes();
}

ImpedanceMatrix DecodeImpedanceMatrix(const std::string& bytes, const std::string& fileName) {
  BinaryReader reader(bytes, fileName);
  const BinaryHeader header = reader.Header(BinaryKind::Impedance, PayloadBytes);
  ImpedanceMatrix matrix;
  matrix.zoneCount = static_cast<int>(header.zoneCount);
  const std::size_t cells = std::size_t{header.zoneCount} * header.zoneCount;
  matrix.values.reserve(cells);
  for (std::size_t i = 0; i < cells; ++i) matrix.values.push_back(reader.Double("impedance", true));
  return matrix;
}

ImpedanceMatrix ReadImpedanceMatrix(const std::filesystem::path& folder, const std::string& name) {
  return DecodeImpedanceMatrix(ReadInputBytes(folder, name), name);
}

void WriteImpedanceMatrix(const std::filesystem::path& file, const ImpedanceMatrix& matrix) {
  WriteOutputBytes(file, EncodeImpedanceMatrix(matrix));
}

}  // namespace forecast::models
