#include "Informazion.h"

namespace zorvanta {

TInformazioni::TInformazioni(QWidget* parent) : QWidget(parent) { setObjectName("Informazioni"); }  // TODO
void TInformazioni::ShowInFront() { show(); }  // TODO

}  // namespace zorvanta
