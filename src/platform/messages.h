#pragma once

#include <string>
#include <utility>
#include <vector>

namespace forecast::platform {

// A modal message with an OK button; the pages' only way to tell the user of a failure.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void Show(const std::string& text, const std::string& title) = 0;
};

// Keeps every message, for tests.
class RecordingMessages : public MessageSink {
 public:
  struct Message {
    std::string text;
    std::string title;
  };
  void Show(const std::string& text, const std::string& title) override { shown.push_back({text, title}); }
  std::vector<Message> shown;
};

// Writes each message's text as a line of standard error, for work without a window.
class StderrMessages : public MessageSink {
 public:
  void Show(const std::string& text, const std::string& title) override;
};

}  // namespace forecast::platform
