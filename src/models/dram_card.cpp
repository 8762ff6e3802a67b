#include "models/dram_card.h"

#include "models/model_text.h"

namespace forecast::models {

namespace {

// The employment group lines are nine right-justified whole numbers of three
// characters each: a count and eight category numbers (00 for none).
bool IsGroupLine(const std::string* text) {
  if (text == nullptr) return false;
  const std::string line = text->substr(0, text->find_last_not_of(' ') + 1);
  if (line.size() != 27) return false;
  for (size_t start = 0; start < 27; start += 3) {
    const std::string field = ColumnText(line, start, 3);
    if (field.empty() || field.find_first_not_of("-0123456789") != std::string::npos) return false;
  }
  return true;
}

std::vector<int> ReadGroup(CardLine line, int employmentCategories) {
  line.Integer(3, "the size of an employment group");
  std::vector<int> categories;
  for (int i = 0; i < 8; ++i) {
    const int category = line.Integer(3, "a category of an employment group");
    if (category >= 1 && category <= employmentCategories) categories.push_back(category);
  }
  return categories;
}

std::vector<double> ReadRow(CardLine line, int count, size_t width, const std::string& what) {
  std::vector<double> values;
  for (int k = 1; k <= count; ++k) values.push_back(line.Number(width, what + " " + std::to_string(k)));
  return values;
}

}  // namespace

DramCard ParseDramCard(const std::vector<std::string>& lines, const std::string& fileName) {
  CardReader reader(fileName, lines);
  DramCard card;
  CardLine header = reader.Next("the header line");
  card.zoneCount = ReadZoneCount(header);
  card.householdCategories = ReadCategoryCount(header, "household");
  card.employmentCategories = ReadCategoryCount(header, "employment");
  const std::string tripGeneration = ReadRecordedSwitches(header, {{"TRIP_GEN", 5}});
  card.constraintCode = header.IntegerOr(5, "the constraint code", 0);
  card.switches = tripGeneration + ", " +
                  ReadRecordedSwitches(header, {{"IFKK", 5}, {"IFLAND", 5}, {"KFAC_ATT", 5}, {"IEQSLN", 5}, {"LUIT", 5}, {"ITRHH", 5},
                                                {"BET4", 7}, {"ILAGV", 4}, {"IEXTV", 4}});

  card.preamble = ReadCardPreamble(reader, card.employmentCategories, card.householdCategories);
  const int nh = card.householdCategories;
  const int ne = card.employmentCategories;

  for (int h = 1; h <= nh; ++h) {
    CardLine line = reader.Next("the coefficients of household category " + std::to_string(h));
    if (line.IsBlank()) throw line.Error("household category " + std::to_string(h) + " has no coefficients");
    const std::string of = " of household category " + std::to_string(h);
    DramCoefficients c;
    c.alpha = line.Number(15, "Alpha" + of);
    c.beta = line.Number(10, "Beta" + of);
    c.vacDev = line.Number(10, "VacDev" + of);
    c.perDev = line.Number(10, "PerDev" + of);
    c.resLand = line.Number(10, "ResLand" + of);
    card.coefficients.push_back(c);
  }
  for (int h = 1; h <= nh; ++h) {
    const std::string of = " of household category " + std::to_string(h);
    CardLine line = reader.Next("the household coefficients" + of);
    std::vector<double>& mix = card.coefficients[static_cast<size_t>(h - 1)].householdMix;
    for (int k = 1; k <= nh; ++k) {
      if (k == 6) line = reader.Next("the second line of household coefficients" + of);
      mix.push_back(line.Number(k == 1 || k == 6 ? 15 : 10, "HH" + std::to_string(k) + of));
    }
  }
  for (int h = 1; h <= nh; ++h) {
    CardLine line = reader.Next("LagHH of household category " + std::to_string(h));
    if (line.IsBlank()) throw line.Error("household category " + std::to_string(h) + " has no LagHH");
    card.coefficients[static_cast<size_t>(h - 1)].lagHH = line.Number(15, "LagHH of household category " + std::to_string(h));
  }
  for (int count : {7, 6, 6}) {
    CardLine line = reader.Next("the calibration report values");
    for (int i = 0; i < count; ++i) card.regressionValues.push_back(line.Text(10));
  }

  if (IsGroupLine(reader.Peek())) {
    card.firstGroup = ReadGroup(reader.Next("the first employment group"), ne);
    if (!IsGroupLine(reader.Peek())) {
      throw reader.Next("the second employment group").Error("the second employment group line is not in its layout");
    }
    card.secondGroup = ReadGroup(reader.Next("the second employment group"), ne);
    card.hasGroups = true;
  }

  card.unemploymentRates = ReadRow(reader.Next("the unemployment rates"), ne, 8, "the unemployment rate of employment category");
  card.workersPerHousehold = ReadRow(reader.Next("the workers per household"), nh, 8, "the workers per household of household category");
  for (int e = 1; e <= ne; ++e) {
    card.conversion.push_back(ReadRow(reader.Next("conversion row " + std::to_string(e)), nh, 8,
                                      "households per employee of category " + std::to_string(e) + ", household category"));
    for (double value : card.conversion.back()) {
      if (value < 0) throw ModelInputError(fileName + ": conversion row " + std::to_string(e) + " holds a negative value.");
    }
  }
  CardLine commuting = reader.Next("the commuting line");
  card.netCommutationRate = commuting.NumberOr(10, "the net commutation rate", 0);
  card.rjpeOption = commuting.NumberOr(10, "the RJPE option", 0);
  CardLine population = reader.Next("the projected population");
  card.projectedPopulation = population.Number(15, "the projected population");
  if (card.projectedPopulation <= 0) throw population.Error("the projected population must be above zero");

  card.constraints = ReadConstraintBlocks(reader, card.constraintCode, nh);
  return card;
}

}  // namespace forecast::models
