#include "platform/messages.h"

#include <iostream>

namespace forecast::platform {

void StderrMessages::Show(const std::string& text, const std::string& /*title*/) { std::cerr << text << std::endl; }

}  // namespace forecast::platform
