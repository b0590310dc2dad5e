#include "convert/date_time_text.h"

#include <cstdio>

namespace kelp {

std::u16string DateTimeText(const std::tm& t) {
  char buf[64];
  const int n = std::snprintf(buf, sizeof buf, "%d/%02d/%02d %02d:%02d", t.tm_year + 1900, t.tm_mon + 1,
                              t.tm_mday, t.tm_hour, t.tm_min);
  return std::u16string(buf, buf + (n > 0 ? n : 0));
}

std::u16string DateTimeTextNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DateTimeText(local);
}

}  // namespace kelp
