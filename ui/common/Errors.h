#pragma once
// Failures of the subclassing base and the gradient: a hook on something that
// is not a window (or an owner that is not a form), and a colour-table index
// past the end.
#include "framework/objects/Exceptions.h"

class ENotOwnerError : public Exception {
  using Exception::Exception;
};
class EInvalidIndex : public Exception {
  using Exception::Exception;
};
