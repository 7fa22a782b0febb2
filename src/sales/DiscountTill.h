#pragma once

#include "sales/LineDiscounts.h"

#include <vector>

namespace pelora {

// What the discount windows work on: the lines of the sales screen, from the screen itself or
// from the admin console over it. Each change leaves the screen showing the lines as they are.
class DiscountTill {
public:
    virtual ~DiscountTill() = default;
    virtual std::vector<DiscountOffer> discountOffers(bool admin) = 0;
    // True when the chooser's work is done; false when the discount could not be put on the
    // lines (a rate no line can take, no tab), and the chooser stays.
    virtual bool applyDiscount(const DiscountOffer& offer, int list, LineDiscounts::Scope scope) = 0;
    virtual void resetDiscounts(int list, LineDiscounts::Scope scope) = 0;
};

} // namespace pelora
