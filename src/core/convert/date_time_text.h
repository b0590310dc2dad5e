#pragma once
// The date and time text that the date command inserts.

#include <ctime>
#include <string>

namespace kelp {

// "2012/05/07 09:05": the year with as many digits as it has, then month, day,
// hour and minute with two digits each; no seconds.
std::u16string DateTimeText(const std::tm& local_time);
// The same for the present local time.
std::u16string DateTimeTextNow();

}  // namespace kelp
