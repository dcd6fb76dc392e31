#pragma once

namespace vorla {

// What the price query tells about a job's source: amounts in thousandths of a token.
struct PriceRecord {
  int words = 0;
  int price = 0;
  int secondAmount = 0;  // kept as the service sends it, not shown
};

}  // namespace vorla
