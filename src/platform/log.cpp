#include "platform/log.h"

namespace trivolo {

Q_LOGGING_CATEGORY(lcTrivolo, "trivolo")

}  // namespace trivolo
