#pragma once

namespace forecast::platform {

struct CalendarDate {
  int year = 2000;
  int month = 1;
  int day = 1;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual CalendarDate Today() const = 0;
};

class SystemClock : public Clock {
 public:
  CalendarDate Today() const override;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(CalendarDate date) : date_(date) {}
  CalendarDate Today() const override { return date_; }

 private:
  CalendarDate date_;
};

}  // namespace forecast::platform
