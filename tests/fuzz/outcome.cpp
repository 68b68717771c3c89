#include "outcome.h"

namespace fuzz {

const char* FailureName(Failure f)
{
    switch (f) {
    case Failure::None:
        return "no error";
    case Failure::DivisionByZero:
        return "DivisionByZero";
    case Failure::Overflow:
        return "Overflow";
    case Failure::TypeMismatch:
        return "TypeMismatch";
    }
    return "?";
}

} // namespace fuzz
