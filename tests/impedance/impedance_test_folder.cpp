#include "impedance_test_folder.h"

#include <fstream>
#include <iterator>

namespace forecast::testing {

ImpedanceFolder::ImpedanceFolder() {
  std::filesystem::create_directories(dir_.Path() / "DATA");
  std::filesystem::create_directories(dir_.Path() / "VORAN_SYS" / "FORECASTING");
}

std::filesystem::path ImpedanceFolder::Data(const std::string& name) const { return dir_.Path() / "DATA" / name; }

void ImpedanceFolder::Write(const std::filesystem::path& file, const std::string& bytes) const {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

std::string ImpedanceFolder::Read(const std::filesystem::path& file) const {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ImpedanceFolder::Exists(const std::filesystem::path& file) const { return std::filesystem::exists(file); }

void ImpedanceFolder::Prepare(SessionState& session) const {
  session.appFolder = dir_.Path();
  session.regionSettings.currentDataYear = "2000";
  session.runTypeCount = 2;
  session.runTypeCodes[1] = "BL";
  session.runTypeCodes[2] = "P1";
  session.currentRunIndex = 2;
  session.impedanceFileCount = 2;
  session.impedanceYears[1][2] = 2015;
  session.impedanceYears[2][2] = 2020;
  session.currentPeriodIndex = 1;
}

ImpedanceControlValues MatchingControlValues() {
  ImpedanceControlValues values;
  values.average = "12.70";
  values.smallest = "3.8";
  values.largest = "31.6";
  for (size_t k = 0; k < 16; ++k) {
    values.top[k] = std::to_string(10 + k);
    values.bottom[k] = std::to_string(40 + k) + ".5";
  }
  return values;
}

std::string MatchingStatistics() {
  std::string text = "Smallest impedance = 3.80\r\nLargest impedance = 31.6\r\nAverage impedance = 12.7\r\n";
  for (int block = 0; block < 2; ++block) {
    for (int row = 0; row < 4; ++row) {
      std::string line = block == 0 ? "Top    " : "Bottom ";
      line += std::to_string(row + 1);
      for (int column = 0; column < 4; ++column) {
        const int k = row * 4 + column;
        std::string value = block == 0 ? std::to_string(10 + k) : std::to_string(40 + k) + ".50";
        line += std::string(8 - value.size(), ' ') + value;
      }
      text += line + "\r\n";
    }
  }
  return text;
}

}  // namespace forecast::testing
