#include "models/card_reader.h"

#include <cmath>

#include "models/model_text.h"

namespace forecast::models {

CardLine::CardLine(std::string fileName, int lineNumber, std::string text)
    : fileName_(std::move(fileName)), lineNumber_(lineNumber), text_(std::move(text)) {}

std::string CardLine::Text(size_t width) {
  std::string field = ColumnText(text_, position_, width);
  position_ += width;
  return field;
}

double CardLine::NumberOr(size_t width, const std::string& what, double fallback) {
  const std::string field = Text(width);
  if (field.empty()) return fallback;
  const std::optional<double> value = ReadNumber(field);
  if (!value) throw Error(what + " (\"" + field + "\") is not a number");
  return *value;
}

double CardLine::Number(size_t width, const std::string& what) {
  const double value = NumberOr(width, what, std::nan(""));
  if (std::isnan(value)) throw Error(what + " is missing");
  return value;
}

int CardLine::IntegerOr(size_t width, const std::string& what, int fallback) {
  const double value = NumberOr(width, what, fallback);
  if (value != std::floor(value) || std::fabs(value) > 1e9) throw Error(what + " must be a whole number");
  return static_cast<int>(value);
}

int CardLine::Integer(size_t width, const std::string& what) {
  const double value = Number(width, what);
  if (value != std::floor(value) || std::fabs(value) > 1e9) throw Error(what + " must be a whole number");
  return static_cast<int>(value);
}

bool CardLine::IsBlank() const { return TrimBlanks(text_).empty(); }

ModelInputError CardLine::Error(const std::string& message) const {
  return ModelInputError(fileName_ + " line " + std::to_string(lineNumber_) + ": " + message + ".");
}

CardReader::CardReader(std::string fileName, std::vector<std::string> lines)
    : fileName_(std::move(fileName)), lines_(std::move(lines)) {}

CardLine CardReader::Next(const std::string& what) {
  if (next_ >= lines_.size()) {
    throw ModelInputError(fileName_ + " ends after line " + std::to_string(lines_.size()) + ", before " + what + ".");
  }
  const size_t index = next_++;
  return CardLine(fileName_, static_cast<int>(index + 1), lines_[index]);
}

const std::string* CardReader::Peek() const { return next_ < lines_.size() ? &lines_[next_] : nullptr; }

bool CardReader::OnlyBlankLinesLeft() const {
  for (size_t i = next_; i < lines_.size(); ++i) {
    if (!TrimBlanks(lines_[i]).empty()) return false;
  }
  return true;
}

}  // namespace forecast::models
