#include "QueueModel.h"

namespace zorvanta {

QueueResults ComputeQueue(const QueueInputs&) noexcept { return {}; }  // TODO

}  // namespace zorvanta
