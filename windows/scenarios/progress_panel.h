#pragma once
// The progress panel of a scenario run or export: a panel holding one progress bar and the
// "Parar" button that stops the batch at the next combination, hidden until the batch starts.

#include <QString>

class QProgressBar;
class QPushButton;
class QWidget;

struct PainelProgresso {
    QWidget* painel = nullptr;      // PanelProgressBar
    QProgressBar* barra = nullptr;  // ProgressBar1
    QPushButton* parar = nullptr;   // BTParar
};

// The panel of `parent`, the bar read aloud as `accessibleName`.
PainelProgresso makePainelProgresso(QWidget* parent, const QString& accessibleName);
