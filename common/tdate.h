#pragma once
// Calendar dates with day resolution on the proleptic Gregorian calendar (leap years included).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TDate {
  public:
    TDate() = default;  // 1 January 1970
    static std::optional<TDate> fromYMD(int year, int month, int day);
    static TDate fromDayNumber(std::int64_t days) { return TDate(days); }

    std::int64_t dayNumber() const { return days_; }  // days since 1 January 1970
    int year() const;
    int month() const;  // 1..12
    int day() const;    // 1..31
    void toYMD(int& y, int& m, int& d) const;

    TDate addDays(std::int64_t n) const { return TDate(days_ + n); }
    friend std::int64_t operator-(TDate a, TDate b) { return a.days_ - b.days_; }
    friend bool operator==(TDate a, TDate b) = default;
    friend auto operator<=>(TDate a, TDate b) = default;

    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);

  private:
    explicit TDate(std::int64_t days) : days_(days) {}
    std::int64_t days_ = 0;
};
