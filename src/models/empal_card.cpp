#include "models/empal_card.h"

namespace forecast::models {

EmpalCard ParseEmpalCard(const std::vector<std::string>& lines, const std::string& fileName) {
  CardReader reader(fileName, lines);
  EmpalCard card;
  CardLine header = reader.Next("the header line");
  card.zoneCount = ReadZoneCount(header);
  card.employmentCategories = ReadCategoryCount(header, "employment");
  card.householdCategories = ReadCategoryCount(header, "household");
  card.constraintCode = header.IntegerOr(5, "the constraint code", 0);
  card.switches = ReadRecordedSwitches(header, {{"IFKFAC", 5}, {"AKFAC", 5}, {"IEX", 4}, {"NVARX1", 4}, {"NVARX2", 4}, {"NDAT1", 4},
                                                {"NDAT2", 4}, {"NDAT3", 4}, {"NDAT4", 4}, {"NDAT5", 4}, {"NDAT6", 4}, {"NDAT7", 4},
                                                {"NDAT8", 4}});

  card.preamble = ReadCardPreamble(reader, card.employmentCategories, card.householdCategories);

  for (int k = 1; k <= card.employmentCategories; ++k) {
    CardLine line = reader.Next("the coefficients of employment category " + std::to_string(k));
    if (line.IsBlank()) throw line.Error("employment category " + std::to_string(k) + " has no coefficients");
    const std::string of = " of employment category " + std::to_string(k);
    EmpalCoefficients c;
    c.alpha = line.Number(8, "Alpha" + of);
    c.beta = line.Number(8, "Beta" + of);
    c.emp = line.Number(8, "Emp" + of);
    c.land = line.Number(8, "Land" + of);
    c.lambda = line.Number(8, "Lambda" + of);
    card.coefficients.push_back(c);
  }

  CardLine projections = reader.Next("the projection line");
  for (int k = 1; k <= card.employmentCategories; ++k) {
    const double jobs = projections.Number(10, "the projection of employment category " + std::to_string(k));
    if (jobs < 0) throw projections.Error("the projection of employment category " + std::to_string(k) + " is negative");
    card.projections.push_back(jobs);
  }

  card.constraints = ReadConstraintBlocks(reader, card.constraintCode, card.employmentCategories);
  return card;
}

}  // namespace forecast::models
