#include "ImageExport.h"

namespace zorvanta {

void WriteImageFile(const QImage&, const QString&) {}  // TODO

}  // namespace zorvanta
