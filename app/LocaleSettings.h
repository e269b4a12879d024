#pragma once

class QLocale;

namespace zorvanta {

/// The locale's decimal symbol when it is a single ASCII character, otherwise ".".
char DecimalSeparatorFromLocale(const QLocale& locale);

}  // namespace zorvanta
