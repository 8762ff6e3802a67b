#include "models/impedance_matrix.h"

#include <algorithm>

#include "models/binary_file_format.h"
#include "models/model_error.h"
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
  matrix.values.resize(cells);
  reader.Doubles(matrix.values.data(), cells, "impedance", true);
  return matrix;
}

ImpedanceMatrix ReadImpedanceMatrix(const std::filesystem::path& folder, const std::string& name) {
  // Straight from the file into the matrix: the file is large and one copy is enough.
  InputFile input = OpenInputFile(folder, name);
  std::string header(static_cast<std::size_t>(std::min<std::uint64_t>(input.size, kBinaryHeaderSize)), '\0');
  input.stream.read(header.data(), static_cast<std::streamsize>(header.size()));
  BinaryReader reader(header, name, input.size);
  const BinaryHeader checked = reader.Header(BinaryKind::Impedance, PayloadBytes);
  ImpedanceMatrix matrix;
  matrix.zoneCount = static_cast<int>(checked.zoneCount);
  matrix.values.resize(std::size_t{checked.zoneCount} * checked.zoneCount);
  if (!input.stream.read(reinterpret_cast<char*>(matrix.values.data()), static_cast<std::streamsize>(matrix.values.size() * 8))) {
    throw ModelInputError(name + " cannot be read.");
  }
  AdoptFileDoubles(matrix.values.data(), matrix.values.size(), name, kBinaryHeaderSize, "impedance", true);
  return matrix;
}

void WriteImpedanceMatrix(const std::filesystem::path& file, const ImpedanceMatrix& matrix) {
  WriteOutputBytes(file, EncodeImpedanceMatrix(matrix));
}

}  // namespace forecast::models
