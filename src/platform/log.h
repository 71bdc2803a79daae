#pragma once

#include <QLoggingCategory>

namespace trivolo {

// Every diagnostic the program writes to standard error goes through this category,
// so that each line starts with "trivolo: " and can be filtered by QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcTrivolo)

}  // namespace trivolo
