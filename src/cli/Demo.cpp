// A small demonstration of the foundation until the command-line tool exists.
#include "core/DayTime.h"

#include <iostream>

int main() {
  using namespace laytime;
  const TDayTime moment = MinutesToDayTime(DayTimeToMinutes(45379, 510));
  std::cout << "Day " << moment.Day << ", minute " << moment.Minute << "\n";
  return 0;
}
