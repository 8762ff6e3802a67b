#include "core/exit_targets.h"

#include "platform/text.h"

#include <array>

namespace forecast {

namespace {

struct Entry {
  std::string_view form;
  ExitTarget target;
};

constexpr std::array kExitTargets = {
    Entry{"p7_1", {"P7_1", "P7_1"}},           Entry{"p7_2", {"P7_2", "P7_1"}},
    Entry{"p7_2a", {"P7_2a", "P7_2"}},         Entry{"p7_26_1", {"P7_26_1", "P7_2"}},
    Entry{"P7_3", {"P7_3", "P7_2"}},           Entry{"P7_3a", {"P7_3a", "P7_3"}},
    Entry{"p7_4", {"P7_4", "P7_3"}},           Entry{"P7_5", {"P7_5", "P7_4"}},
    Entry{"P7_5_1", {"P7_5_1", "P7_5"}},       Entry{"P7_5_2", {"P7_5_2", "P7_5"}},
    Entry{"P7_5_3", {"P7_5_2", "P7_5_3"}},     Entry{"P7_5_4", {"P7_5_3", "P7_5_4"}},
    Entry{"p7_6", {"P7_6", "P7_5"}},           Entry{"p7_6a", {"P7_6a", "P7_5"}},
    Entry{"p7_7", {"P7_7", "P7_5"}},           Entry{"P7_8", {"P7_8", "P7_7"}},
    Entry{"p7_9", {"P7_9", "P7_8"}},           Entry{"p7_8_1", {"P7_30_4", "P7_8_1"}},
    Entry{"p7_8_1a", {"P7_8_1a", "P7_8_1"}},   Entry{"P7_8_1b", {"P7_8_1", "P7_8_1"}},
    Entry{"p7_8_1c", {"P7_8_1a", "P7_8_1c"}},  Entry{"p7_8_3", {"P7_8_3", "P7_8_1"}},
    Entry{"P7_8_4", {"P7_8_4", "P7_26_1"}},    Entry{"p7_13", {"P7_13", "P7_26_1"}},
    Entry{"p7_14", {"P7_14", "P7_13"}},        Entry{"P7_14a", {"P7_14a", "P7_14"}},
    Entry{"p7_15", {"P7_15", "P7_14"}},        Entry{"p7_16", {"P7_16", "P7_14"}},
    Entry{"P7_17", {"P7_17", "P7_14"}},        Entry{"p7_18_1", {"P7_18_1", "P7_14"}},
    Entry{"P7_19", {"P7_19", "P7_14"}},        Entry{"P7_20", {"P7_20", "P7_14"}},
    Entry{"P7_21", {"P7_21", "P7_14"}},        Entry{"P7_22", {"P7_22", "P7_14"}},
    Entry{"P7_22_1", {"P7_22_1", "P7_14"}},    Entry{"P7_23", {"P7_23", "P7_14"}},
    Entry{"P7_24", {"P7_23", "P7_14"}},        Entry{"P7_25", {"P7_25", "P7_14"}},
    Entry{"P7_26", {"P7_26", "P7_14"}},        Entry{"P7_27", {"p5_32_c", "p5_31"}},
    Entry{"P7_30", {"P7_30", "P7_17"}},        Entry{"p7_30_4", {"P7_30_4", "P7_9"}},
    Entry{"P7_30_2", {"P7_30_2", "P7_30_4"}},  Entry{"P7_30_3", {"P7_30_3", "P7_30_4"}},
    Entry{"P7_45", {"P7_45", "P7_9"}},         Entry{"mapit_7_1", {"MAPIT_7_1", "P7_30_4"}},
    Entry{"P7_50", {"P7_50", "P7_8_1"}},
};

}  // namespace

std::optional<ExitTarget> ExitTargetFor(std::string_view formName) {
  for (const Entry& entry : kExitTargets) {
    if (platform::EqualsNoCase(entry.form, formName)) return entry.target;
  }
  return std::nullopt;
}

}  // namespace forecast
