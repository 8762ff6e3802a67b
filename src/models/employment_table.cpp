#include "models/employment_table.h"

#include "models/binary_file_format.h"
#include "models/model_error.h"
#include "models/model_files.h"

namespace forecast::models {

namespace {
std::uint64_t PayloadBytes(const BinaryHeader& header) {
  return std::uint64_t{header.zoneCount} * 4 + std::uint64_t{header.zoneCount} * header.firstCount * 8;
}
}  // namespace

double EmploymentTable::CategoryTotal(int category) const {
  double sum = 0;
  for (int z = 0; z < ZoneCount(); ++z) sum += Jobs(z, category);
  return sum;
}

double EmploymentTable::ZoneTotal(int zone) const {
  double sum = 0;
  for (int k = 0; k < categoryCount; ++k) sum += Jobs(zone, k);
  return sum;
}

std::string EncodeEmploymentTable(const EmploymentTable& table) {
  BinaryWriter writer;
  BinaryHeader header;
  header.kind = BinaryKind::Employment;
  header.zoneCount = static_cast<std::uint32_t>(table.ZoneCount());
  header.firstCount = static_cast<std::uint32_t>(table.categoryCount);
  header.year = table.year;
  writer.Header(header);
  for (int number : table.zoneNumbers) writer.Int32(number);
  for (double value : table.jobs) writer.Double(value);
  return writer.Bytes();
}

EmploymentTable DecodeEmploymentTable(const std::string& bytes, const std::string& fileName) {
  BinaryReader reader(bytes, fileName);
  const BinaryHeader header = reader.Header(BinaryKind::Employment, PayloadBytes);
  if (header.firstCount == 0) throw ModelInputError(fileName + " has no employment categories.");
  EmploymentTable table;
  table.year = header.year;
  table.categoryCount = static_cast<int>(header.firstCount);
  for (std::uint32_t z = 0; z < header.zoneCount; ++z) table.zoneNumbers.push_back(reader.Int32());
  table.jobs.reserve(std::size_t{header.zoneCount} * header.firstCount);
  for (std::uint64_t i = 0; i < std::uint64_t{header.zoneCount} * header.firstCount; ++i) {
    table.jobs.push_back(reader.Double("employment", true));
  }
  return table;
}

EmploymentTable ReadEmploymentTable(const std::filesystem::path& folder, const std::string& name) {
  return DecodeEmploymentTable(ReadInputBytes(folder, name), name);
}

void WriteEmploymentTable(const std::filesystem::path& file, const EmploymentTable& table) {
  WriteOutputBytes(file, EncodeEmploymentTable(table));
}

}  // namespace forecast::models
