#include "models/household_table.h"

#include "models/binary_file_format.h"
#include "models/model_error.h"
#include "models/model_files.h"

namespace forecast::models {

namespace {

// Population, employed residents, group quarters, persons per household and
// the seven land values follow the households of each zone record.
constexpr std::uint32_t kFixedFieldsPerZone = 11;

std::uint64_t PayloadBytes(const BinaryHeader& header) {
  const std::uint64_t fields = header.firstCount + kFixedFieldsPerZone + header.secondCount;
  return std::uint64_t{header.zoneCount} * (4 + fields * 8);
}

}  // namespace

double ZoneHouseholds::HouseholdTotal() const {
  double sum = 0;
  for (double value : households) sum += value;
  return sum;
}

double HouseholdTable::CategoryTotal(int category) const {
  double sum = 0;
  for (const ZoneHouseholds& zone : zones) sum += zone.households[static_cast<size_t>(category)];
  return sum;
}

std::string EncodeHouseholdTable(const HouseholdTable& table) {
  BinaryWriter writer;
  BinaryHeader header;
  header.kind = BinaryKind::Households;
  header.zoneCount = static_cast<std::uint32_t>(table.ZoneCount());
  header.firstCount = static_cast<std::uint32_t>(table.householdCategories);
  header.secondCount = static_cast<std::uint32_t>(table.employmentCategories);
  header.year = table.year;
  writer.Header(header);
  for (const ZoneHouseholds& zone : table.zones) writer.Int32(zone.number);
  for (const ZoneHouseholds& zone : table.zones) {
    for (double value : zone.households) writer.Double(value);
    for (double value : {zone.population, zone.employedResidents, zone.groupQuartersPopulation, zone.personsPerHousehold}) {
      writer.Double(value);
    }
    const LandAccount& land = zone.land;
    for (double value : {land.residential, land.commercial, land.basic, land.streets, land.vacant, land.unusable, land.totalArea}) {
      writer.Double(value);
    }
    for (double value : zone.jobs) writer.Double(value);
  }
  return writer.Bytes();
}

HouseholdTable DecodeHouseholdTable(const std::string& bytes, const std::string& fileName) {
  BinaryReader reader(bytes, fileName);
  const BinaryHeader header = reader.Header(BinaryKind::Households, PayloadBytes);
  if (header.firstCount == 0) throw ModelInputError(fileName + " has no household categories.");
  if (header.secondCount == 0) throw ModelInputError(fileName + " has no employment categories.");
  HouseholdTable table;
  table.year = header.year;
  table.householdCategories = static_cast<int>(header.firstCount);
  table.employmentCategories = static_cast<int>(header.secondCount);
  table.zones.resize(header.zoneCount);
  for (ZoneHouseholds& zone : table.zones) zone.number = reader.Int32();
  for (ZoneHouseholds& zone : table.zones) {
    for (std::uint32_t h = 0; h < header.firstCount; ++h) zone.households.push_back(reader.Double("household", true));
    zone.population = reader.Double("population", true);
    zone.employedResidents = reader.Double("employed residents", true);
    zone.groupQuartersPopulation = reader.Double("group quarters population", true);
    zone.personsPerHousehold = reader.Double("persons per household", true);
    LandAccount& land = zone.land;
    for (double* acres : {&land.residential, &land.commercial, &land.basic, &land.streets, &land.vacant, &land.unusable, &land.totalArea}) {
      *acres = reader.Double("land", true);
    }
    for (std::uint32_t k = 0; k < header.secondCount; ++k) zone.jobs.push_back(reader.Double("employment", true));
  }
  return table;
}

HouseholdTable ReadHouseholdTable(const std::filesystem::path& folder, const std::string& name) {
  return DecodeHouseholdTable(ReadInputBytes(folder, name), name);
}

void WriteHouseholdTable(const std::filesystem::path& file, const HouseholdTable& table) {
  WriteOutputBytes(file, EncodeHouseholdTable(table));
}

}  // namespace forecast::models
