#include "impedance/pages/impedance_explanations.h"

#include "core/pages/explanation_dialog.h"
#include "impedance/pages/impedance_figures.h"
#include "printing/page_printer.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace forecast::pages {

namespace {

struct Explanation {
  const char* form;
  const char* title;
  std::vector<const char*> paragraphs;
  bool printable = true;
};

const std::vector<Explanation>& Explanations() {
  static const std::vector<Explanation> all = {
      {"P7_13a", "Impedance Files",
       {"An Impedance file has two columns each containing 2 or 3 digit zonal impedance values.  When travel time is "
        "entered, the zonal impedances are read as tenths of minutes."}},
      {"P7_15_1", "Travel Impedance Date Incompatible",
       {"Travel Impedance files must be matched to your five-year forecast time periods. Given that many location "
        "decisions are made based on planned travel networks,  a travel network expected for 2007 will  begin to "
        "affect 2005 location decisions. For any impedance file(s) dated between your forecast time periods, you "
        "should consider whether the date reflects the start or completion of the network construction.  Then "
        "re-assign the file to the appropriate forecast time period."},
       false},
      {"P7_17_1", "Impedances",
       {"This term refers to the travel time, travel cost, or a composite of both, calculated by travel models to "
        "describe differences in zone-to-zone difficulty of interaction. Impedance files are typically built in your "
        "agency's travel model software.",
        "Any future year impedances must be consistent with the base year impedances."},
       false},
      {"P7_17_1a", "Impedance Files",
       {"An Impedance file has ten column fields each containing 2 or 3 digit zonal impedance values.  When travel "
        "time is entered in each field, the zonal impedances are read as tenths of minutes."},
       false},
      {"P7_17_2", "Steps for Preparation of Zone-to-Zone Travel Impedances",
       {"1.  Prepare a table with two 10 character column fields.  ",
        "2.  In the first field, you will enter an ID number for each impedance value.  ",
        "3. In the second field, you will enter one value of your region's zone-to-zone travel impedances.  Organize "
        "your data as if it has been read from a matrix, from left to right and top to bottom.  ",
        "4.  Save your document as a Text (.TXT or .ASC).  Name your file IMPD and include the last two digits of the "
        "forecast time period in your VORAN/DATA subdirectory.  (e.g. IMPD15.txt for 2015)"}},
      {"P7_17_2a", "How to Organize Your Travel Impedance Data",
       {"Your travel impedances should be placed in Column 2 beginning with Zone 1 Impedances. A column width is "
        "ten-spaces.",
        "e.g.  The impedance from zone 1 to zone 1 is 4.40, the impedance from zone 1 to zone 2 is 12.70 . . .etc."}},
      {"P7_30_1a", "Average Zone-to-Zone Impedance",
       {"Calculate the simple algebraic mean of your region's zone-to-zone travel impedances."}},
      {"P7_30_1b", "Smallest Zone-to-Zone Impedance",
       {"Find the smallest zone-to-zone impedance value for your region."}},
      {"P7_30_1c", "Largest Zone-to-Zone Impedance", {"Find the largest zone-to-zone impedance value for your region."}},
      {"P7_30_1d", "Top 4x4 Impedance Values",
       {"Collect the 16 impedance values from the top left corner of your travel impedance table.  This corner of "
        "values is made up of 4 columns and 4 rows, as pictured below."}},
      {"P7_30_1e", "Bottom 4x4 Impedance Values",
       {"Collect the 16 impedance values from the bottom right corner of your travel impedance table.  This corner "
        "of values is made up of 4 columns and 4 rows, as pictured below."}},
  };
  return all;
}

}  // namespace

void OpenImpedanceExplanation(QWidget* page, const std::string& formName, std::function<void()> afterOk) {
  const auto& all = Explanations();
  const auto it = std::find_if(all.begin(), all.end(), [&](const Explanation& e) { return formName == e.form; });
  if (it == all.end()) return;
  auto* dialog = new ExplanationDialog(page, it->form, it->title);
  for (const char* text : it->paragraphs) dialog->AddParagraph(text);

  if (formName == "P7_17_1") {
    dialog->AddLink("Impedance files", [dialog] { OpenImpedanceExplanation(dialog, "P7_17_1a"); });
  } else if (formName == "P7_17_2") {
    dialog->AddLink("Organize", [dialog] { OpenImpedanceExplanation(dialog, "P7_17_2a"); });
  } else if (formName == "P7_17_2a") {
    auto* pictures = new QWidget(dialog);
    auto* row = new QHBoxLayout(pictures);
    row->setSpacing(48);
    row->addWidget(new MatrixFigure(MatrixFigure::Corner::None, pictures));
    row->addWidget(new ImpedanceFileFigure(pictures));
    dialog->AddWidget(pictures);
  } else if (formName == "P7_30_1d") {
    dialog->AddWidget(new MatrixFigure(MatrixFigure::Corner::TopLeft, dialog));
  } else if (formName == "P7_30_1e") {
    dialog->AddWidget(new MatrixFigure(MatrixFigure::Corner::BottomRight, dialog));
  }
  if (it->printable) {
    QObject::connect(dialog->AddPrintButton(), &QPushButton::clicked, dialog,
                     [dialog] { printing::ActivePagePrinter().PrintHelpPage(dialog); });
  }
  if (afterOk) QObject::connect(dialog, &QDialog::accepted, page, std::move(afterOk));
  dialog->OpenOverPage();
}

}  // namespace forecast::pages
