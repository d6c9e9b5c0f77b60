#pragma once

#include "support/WindowKeys.h"

// The rental desk's window tests use the shared key helpers under their own names.
namespace RentalTest {
using WindowKeys::key;
using WindowKeys::keyTarget;
using WindowKeys::type;
using WindowKeys::whenModal;
} // namespace RentalTest
