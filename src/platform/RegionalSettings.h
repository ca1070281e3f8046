#pragma once

namespace aggregate::platform {

// Decimal separator of the user's regional settings.
char decimalSeparator();

}  // namespace aggregate::platform
