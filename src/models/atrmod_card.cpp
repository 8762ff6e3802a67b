#include "models/atrmod_card.h"

#include "models/card_reader.h"

namespace forecast::models {

AtrmodCard ParseAtrmodCard(const std::vector<std::string>& lines, const std::string& fileName) {
  CardReader reader(fileName, lines);
  CardLine line = reader.Next("its settings line");
  AtrmodCard card;
  card.zoneCount = line.Integer(4, "the zone count");
  if (card.zoneCount < 1) throw line.Error("the zone count must be at least 1");
  card.run = line.IntegerOr(4, "ATRMOD_RUN", 0);
  const int side = line.Integer(4, "RES_4_DRAM");
  if (side != 0 && side != 1) throw line.Error("RES_4_DRAM must be 0 (employment) or 1 (households), not " + std::to_string(side));
  card.side = static_cast<KFactorSide>(side);
  card.categoryCount = line.Integer(4, "the category count");
  if (card.categoryCount < 1 || card.categoryCount > 8) throw line.Error("the category count must be 1 to 8");
  card.residualSource = line.Text(4);
  card.procedure = line.Text(4);
  card.attenuation = line.NumberOr(7, "ATTEN_FACTOR", 1);
  for (int k = 0; k < 8; ++k) {
    card.inputFiles[static_cast<size_t>(k)] = line.IntegerOr(k < 7 ? 4 : 5, "INPUT_FILE" + std::to_string(k + 1), 0);
  }
  return card;
}

}  // namespace forecast::models
