#include "grid/foundation/cell_checker.h"

TExStringGridCheck::TExStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

QString TExStringGridCheck::MarkError(int, int, const QString& s) { return s; }

QString TExStringGridCheck::Correct(int, int, const QString& s) { return s; }

void TExStringGridCheck::StartCheck() {}

void TExStringGridCheck::StopCheck() {}
