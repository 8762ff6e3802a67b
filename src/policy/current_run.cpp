#include "policy/current_run.h"

#include "platform/database.h"

namespace forecast::policy {

bool MakeRunCurrent(SessionState& session, int index, std::string* error) {
  if (!session.inputDatabase) {
    *error = "The input database is not open.";
    return false;
  }
  platform::Database& db = *session.inputDatabase;
  try {
    platform::Transaction transaction(db);
    auto runs = db.OpenRecordset("runtype");
    for (int i = 1; i <= runs->RecordCount(); ++i) {
      if (!runs->FindFirst("ID", platform::Value(i))) continue;
      runs->Edit();
      runs->SetField("yn_current_run", platform::Value(i == index));
      runs->Update();
    }
    transaction.Commit();
    for (int i = 1; i <= runs->RecordCount() && i <= kMaxRuns; ++i) {
      if (!runs->FindFirst("ID", platform::Value(i))) continue;
      const size_t slot = static_cast<size_t>(i);
      session.runTypeCodes[slot] = runs->Text("run_type");
      session.runTypeDescriptions[slot] = runs->Text("run_type_desc");
      session.runTypePeriodCounts[slot] = static_cast<std::int16_t>(runs->Field("run_type_num_fcst_yrs").ToInteger());
      session.runTypeIsCurrent[slot] = i == index;
    }
    session.runTypeCount = std::min(runs->RecordCount(), kMaxRuns);
    session.currentRunIndex = index;
  } catch (const platform::DatabaseError& e) {
    *error = e.what();
    return false;
  }
  return true;
}

}  // namespace forecast::policy
