#pragma once

#include "platform/messages.h"

namespace forecast::platform {

// A modal message box with an OK button over the current page.
class QtMessageBox : public MessageSink {
 public:
  void Show(const std::string& text, const std::string& title) override;
};

}  // namespace forecast::platform
