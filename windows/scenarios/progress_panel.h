#pragma once
// The progress panel of a scenario run or export: a panel holding one progress bar, hidden
// until the batch starts.

#include <QString>
#include <utility>

class QProgressBar;
class QWidget;

// PanelProgressBar and ProgressBar1 of `parent`, the bar read aloud as `accessibleName`.
std::pair<QWidget*, QProgressBar*> makePainelProgresso(QWidget* parent, const QString& accessibleName);
