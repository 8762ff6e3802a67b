#include "platform/messages.h"

#include <iostream>

namespace forecast::platform {

void StderrMessages::Show(const std::string& text, const std::string& title) {
  if (title.empty()) {
    std::cerr << text << '\n';
  } else {
    std::cerr << title << ": " << text << '\n';
  }
}

}  // namespace forecast::platform
