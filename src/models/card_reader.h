#pragma once

#include <string>
#include <vector>

#include "models/model_error.h"

namespace forecast::models {

// One line of a fixed-column card, read field by field from left to right.
// Every failure names the card, the line number and the field.
class CardLine {
 public:
  CardLine(std::string fileName, int lineNumber, std::string text);

  // The next field of the given width, blanks trimmed.
  std::string Text(size_t width);
  // The next field as a number; a blank field is an error.
  double Number(size_t width, const std::string& what);
  // The next field as a number; a blank field gives the fallback.
  double NumberOr(size_t width, const std::string& what, double fallback);
  int Integer(size_t width, const std::string& what);
  int IntegerOr(size_t width, const std::string& what, int fallback);

  const std::string& FullText() const { return text_; }
  int LineNumber() const { return lineNumber_; }
  bool IsBlank() const;
  ModelInputError Error(const std::string& message) const;

 private:
  std::string fileName_;
  int lineNumber_;
  std::string text_;
  size_t position_ = 0;
};

// The lines of a card in order.
class CardReader {
 public:
  CardReader(std::string fileName, std::vector<std::string> lines);

  // The next line; throws when the card ends before it, naming what was expected.
  CardLine Next(const std::string& what);
  // The next line without taking it, or nullptr at the end.
  const std::string* Peek() const;
  // True when only blank lines remain.
  bool OnlyBlankLinesLeft() const;
  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
};

}  // namespace forecast::models
