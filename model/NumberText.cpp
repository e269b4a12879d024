#include "NumberText.h"

namespace zorvanta {

std::int32_t ParseWholeNumber(std::string_view) { return 0; }  // TODO
std::string WholeNumberText(std::int64_t) { return {}; }          // TODO
std::string RealNumberText(double, char) { return {}; }           // TODO

}  // namespace zorvanta
