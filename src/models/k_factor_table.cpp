#include "models/k_factor_table.h"

#include "models/binary_file_format.h"
#include "models/model_error.h"
#include "models/model_files.h"

namespace forecast::models {

namespace {
std::uint64_t PayloadBytes(const BinaryHeader& header) {
  return std::uint64_t{header.zoneCount} * header.firstCount * 8;
}
const char* SideName(KFactorSide side) { return side == KFactorSide::Employment ? "employment" : "household"; }
}  // namespace

KFactorTable KFactorTable::Ones(KFactorSide side, int zoneCount, int categoryCount) {
  KFactorTable table;
  table.side = side;
  table.zoneCount = zoneCount;
  table.categoryCount = categoryCount;
  table.factors.assign(static_cast<size_t>(zoneCount * categoryCount), 1.0);
  return table;
}

const char* KFactorFileName(KFactorSide side) { return side == KFactorSide::Employment ? "EKFAC.BIN" : "DKFAC.BIN"; }

std::string EncodeKFactorTable(const KFactorTable& table) {
  BinaryWriter writer;
  BinaryHeader header;
  header.kind = BinaryKind::KFactors;
  header.zoneCount = static_cast<std::uint32_t>(table.zoneCount);
  header.firstCount = static_cast<std::uint32_t>(table.categoryCount);
  header.flag = static_cast<std::uint32_t>(table.side);
  writer.Header(header);
  for (double value : table.factors) writer.Double(value);
  return writer.Bytes();
}

KFactorTable DecodeKFactorTable(const std::string& bytes, const std::string& fileName) {
  BinaryReader reader(bytes, fileName);
  const BinaryHeader header = reader.Header(BinaryKind::KFactors, PayloadBytes);
  if (header.flag > 1) throw ModelInputError(fileName + " names an unknown side (" + std::to_string(header.flag) + ").");
  if (header.firstCount == 0) throw ModelInputError(fileName + " has no categories.");
  KFactorTable table;
  table.side = static_cast<KFactorSide>(header.flag);
  table.zoneCount = static_cast<int>(header.zoneCount);
  table.categoryCount = static_cast<int>(header.firstCount);
  const std::size_t cells = std::size_t{header.zoneCount} * header.firstCount;
  table.factors.reserve(cells);
  for (std::size_t i = 0; i < cells; ++i) table.factors.push_back(reader.Double("K-factor", true));
  return table;
}

KFactorTable ReadKFactorTable(const std::filesystem::path& folder, KFactorSide side) {
  const std::string name = KFactorFileName(side);
  KFactorTable table = DecodeKFactorTable(ReadInputBytes(folder, name), name);
  if (table.side != side) {
    throw ModelInputError(name + " holds " + SideName(table.side) + " K-factors where " + SideName(side) + " K-factors are needed.");
  }
  return table;
}

void WriteKFactorTable(const std::filesystem::path& file, const KFactorTable& table) {
  WriteOutputBytes(file, EncodeKFactorTable(table));
}

}  // namespace forecast::models
