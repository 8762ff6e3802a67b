#pragma once

#include "core/pages/page.h"
#include "platform/messages.h"

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace forecast::pages {

// Replaces the heading at the top of a page.
void SetPageHeading(Page* page, const QString& heading);

// The heading the impedance pages carry.
inline constexpr const char* kImpedanceHeading = "Forecast Year Travel Impedances";

// Lets only digits into a box; any other key is swallowed after "Please enter a number.".
void AcceptDigitsOnly(QLineEdit* box, platform::MessageSink& messages);

// Makes Enter in a box move on to the next control, as Tab does, instead of being typed.
void EnterMovesToNextBox(QLineEdit* box);

// Two option buttons, "Yes" optAdd(0) and "No" optAdd(1), side by side in the
// page's content; one is always selected.
struct YesNoChoice {
  QRadioButton* yes = nullptr;
  QRadioButton* no = nullptr;
};
YesNoChoice AddYesNoChoice(Page* page, QVBoxLayout* content, bool yesSelected);

// A paragraph with a value set in its gap, for example the year of a file.
QString WithValue(const QString& before, const QString& value, const QString& after = QString());

// Labels made by AddTitle, AddParagraph and AddLink keep their object name,
// which gives them their look; their form's control name (lblYear, lblFcst...)
// is the property "control". Finds such a label on a page.
QLabel* FindControlLabel(QWidget* page, const QString& control);

// Print buttons: a report page asks for the page setup first, an
// information page prints at once.
void AddReportPrintButton(Page* page);
void AddHelpPrintButton(Page* page);

// The name of the user's file being checked, as the pages show it: IMPD15.txt.
QString CurrentFileCaption(const SessionState& session);

}  // namespace forecast::pages
