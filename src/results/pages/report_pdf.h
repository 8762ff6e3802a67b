#pragma once

#include "core/app_services.h"

#include <QString>

namespace forecast::pages {

// Writes the three report pages of the session's review, laid out as on a
// 1280x800 screen, into one PDF file, a page each, as their Print buttons
// print them.
bool WriteReportPdf(AppServices& app, const QString& file);

}  // namespace forecast::pages
