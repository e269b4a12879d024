#pragma once

#include <string>

#include "QueueModel.h"

namespace zorvanta {

/// What kind of diagram the inputs give, judged by the flows (compared exactly, as whole numbers).
enum class QueueRegime {
    OrdinaryPeak,       ///< NormalFlow < Capacity < PeakFlow and Duration >= 1: a real queue forms and clears
    NoPeakHours,        ///< as above, but Duration <= 0: no queue forms
    NoQueue,            ///< Capacity >= PeakFlow (and above NormalFlow): no queue forms
    NeverClears,        ///< Capacity < NormalFlow: the road cannot serve even the normal flow
    NoClearingCapacity, ///< Capacity == NormalFlow: the end time is INF, -INF or NAN
};

QueueRegime ClassifyRegime(const QueueInputs& inputs) noexcept;

/// One plain sentence saying how to read the results in that regime; empty for an ordinary peak.
std::string RegimeSentence(QueueRegime regime);

}  // namespace zorvanta
