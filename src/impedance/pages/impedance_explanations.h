#pragma once

#include <QWidget>

#include <functional>
#include <string>

namespace forecast::pages {

// Opens one of the explanation pages of the impedance chain ("P7_13a",
// "P7_15_1", "P7_17_1", "P7_17_1a", "P7_17_2", "P7_17_2a", "P7_30_1a" to
// "P7_30_1e") over the page; afterOk runs when its OK is pressed.
void OpenImpedanceExplanation(QWidget* page, const std::string& formName, std::function<void()> afterOk = {});

}  // namespace forecast::pages
