#include "impedance/pages/impedance_pages.h"

#include "impedance/pages/chain_registrations.h"

namespace forecast::pages {

void RegisterImpedancePages(PageFactories& factories) {
  RegisterIntroductionPages(factories);
  RegisterYearPages(factories);
  RegisterPreparationPages(factories);
  RegisterControlValuePages(factories);
  RegisterFileCheckPages(factories);
  RegisterCheckResultPages(factories);
}

}  // namespace forecast::pages
