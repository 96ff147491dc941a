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

// Whether a batch under the panel is running and whether the user asked it to stop. "Parar"
// asks; Esc and the window's close button during the run ask the user first.
struct EstadoParada {
    bool emCurso = false;
    bool pedido = false;

    void inicia() {
        emCurso = true;
        pedido = false;
    }
    void termina() { emCurso = false; }
    void pede() {
        if (emCurso) pedido = true;
    }
    // Esc or the close button: false when no batch runs (the window may close); otherwise the
    // question `pergunta` under `titulo`, "Sim" asking the batch to stop, and true (the window
    // stays until the batch has stopped).
    bool perguntaSeEmCurso(QWidget* parent, const QString& titulo, const QString& pergunta);
};
