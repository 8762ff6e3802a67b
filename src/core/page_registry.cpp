#include "core/page_registry.h"

#include "platform/text.h"

#include <algorithm>
#include <array>

namespace forecast {

namespace {

struct Registration {
  std::string_view name;  // as the hand-off files and buttons spell it
  std::string_view form;  // the form it shows
};

// The whole registry as one table.
constexpr std::array kRegistry = {
    Registration{"P7_1", "p7_1"},         Registration{"P7_2", "p7_2"},         Registration{"P7_2a", "p7_2a"},
    Registration{"P7_2_1", "P7_2_1"},     Registration{"P7_2_1a", "P7_2_1a"},   Registration{"P7_2_1b", "P7_2_1b"},
    Registration{"P7_2_2", "P7_2_2"},     Registration{"P7_3", "P7_3"},         Registration{"P7_3a", "P7_3a"},
    Registration{"P7_4", "p7_4"},         Registration{"P7_5", "P7_5"},         Registration{"P7_5a", "P7_5a"},
    Registration{"P7_5b", "P7_5b"},       Registration{"P7_5A_1", "P7_5a_1"},   Registration{"P7_5A_2", "P7_5a_2"},
    Registration{"P7_5A_3", "P7_5a_3"},   Registration{"P7_5A_4", "P7_5a_4"},   Registration{"P7_5_1", "P7_5_1"},
    Registration{"P7_5_1A", "P7_5_1A"},   Registration{"P7_5_2", "P7_5_2"},     Registration{"P7_5_2A", "P7_5_2A"},
    Registration{"P7_5_3", "P7_5_3"},     Registration{"P7_5_3A", "P7_5_3A"},   Registration{"P7_5_4A", "P7_5_4A"},
    Registration{"P7_5_5", "P7_5_5"},     Registration{"P7_6", "p7_6"},         Registration{"P7_6a", "p7_6a"},
    Registration{"P7_7", "p7_7"},         Registration{"P7_8", "P7_8"},         Registration{"P7_9", "p7_9"},
    Registration{"P7_13", "p7_13"},       Registration{"P7_13a", "P7_13a"},     Registration{"P7_14", "p7_14"},
    Registration{"P7_14a", "P7_14a"},     Registration{"P7_15", "p7_15"},       Registration{"P7_15_1", "P7_15_1"},
    Registration{"P7_16", "p7_16"},       Registration{"P7_17", "P7_17"},       Registration{"P7_17_1", "P7_17_1"},
    Registration{"P7_17_1a", "P7_17_1a"}, Registration{"P7_17_2", "P7_17_2"},   Registration{"P7_17_2a", "P7_17_2a"},
    Registration{"P7_18_1", "p7_18_1"},   Registration{"P7_19", "P7_19"},       Registration{"P7_20", "P7_20"},
    Registration{"P7_21", "P7_21"},       Registration{"P7_22", "P7_22"},       Registration{"P7_22_1", "P7_22_1"},
    Registration{"P7_23", "P7_23"},       Registration{"P7_24", "P7_24"},       Registration{"P7_25", "P7_25"},
    Registration{"P7_26", "P7_26"},       Registration{"P7_27", "P7_27"},       Registration{"P7_30", "P7_30"},
    Registration{"P7_30_1a", "P7_30_1a"}, Registration{"P7_30_1b", "P7_30_1b"}, Registration{"P7_30_1c", "P7_30_1c"},
    Registration{"P7_30_1d", "P7_30_1d"}, Registration{"P7_30_1e", "P7_30_1e"}, Registration{"P7_30_2", "P7_30_2"},
    Registration{"P7_30_3", "P7_30_3"},   Registration{"P7_30_4", "p7_30_4"},   Registration{"P7_45", "P7_45"},
    Registration{"P7_50", "P7_50"},       Registration{"MAPIT_7_1", "mapit_7_1"},
    // The start of a new forecast run answers to five names.
    Registration{"P7_8_1", "p7_8_1"},     Registration{"P7_8_1a", "p7_8_1"},    Registration{"P7_8_1b", "p7_8_1"},
    Registration{"P7_8_3", "p7_8_1"},     Registration{"P7_8_4", "p7_8_1"},
};

const std::vector<std::string> kReserved = {"P7_5_1B", "P7_5_1C", "P7_5_1D", "P7_5_1E", "P7_5_2C", "P7_5_2E", "P7_5_3C",
                                            "P7_5_3E", "P7_5_4C", "P7_5_4E", "P7_6a_1", "P7_6a_2", "P7_6a_3", "P7_10",
                                            "P7_11",   "P7_12",   "P7_30_2a", "P7_30_3a", "P7_31_2"};

const Registration* Find(std::string_view name) {
  const auto it = std::find_if(kRegistry.begin(), kRegistry.end(), [&](const Registration& r) { return r.name == name; });
  return it == kRegistry.end() ? nullptr : &*it;
}

}  // namespace

std::string FormForPageName(std::string_view pageName) {
  const Registration* found = Find(pageName);
  return found ? std::string(found->form) : std::string(kWelcomeForm);
}

bool IsRegisteredPageName(std::string_view pageName) { return Find(pageName) != nullptr; }

const std::vector<std::string>& ReservedPageNames() { return kReserved; }

std::string PageLabel(std::string_view formName) {
  std::string label = platform::ToUpper(formName);
  std::replace(label.begin(), label.end(), '_', '.');
  return label;
}

}  // namespace forecast
