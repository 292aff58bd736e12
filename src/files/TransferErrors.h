// The error of a transfer file that cannot be imported.
#pragma once

#include "core/Errors.h"

namespace laytime {

/// A transfer file that is rejected (version, too large, too many ports) or whose import the
/// user declined. Carries the text the user sees.
class ETransferError : public ELaytimeError {
public:
  using ELaytimeError::ELaytimeError;
};

} // namespace laytime
