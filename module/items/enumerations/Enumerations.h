// The enumerated and bit-enumerated variables: descriptors of the variable
// template, with enumerator sets that several items share defined once.
#pragma once

#include "items/variables/Variable.h"

namespace enumerations {

using variables::BitEnumerator;
using variables::Enumerator;
using variables::Variable;

}  // namespace enumerations
