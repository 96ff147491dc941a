#include "windows/scenarios/progress_panel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "components/ui_seam.h"
#include "components/window_controls.h"

PainelProgresso makePainelProgresso(QWidget* parent, const QString& accessibleName) {
    PainelProgresso p;
    p.painel = new QWidget(parent);
    p.painel->setObjectName(QStringLiteral("PanelProgressBar"));
    p.barra = new QProgressBar(p.painel);
    p.barra->setObjectName(QStringLiteral("ProgressBar1"));
    p.barra->setAccessibleName(accessibleName);
    p.parar = makeButton(p.painel, "BTParar", QStringLiteral("Parar"), false);
    p.parar->setAccessibleDescription(QStringLiteral("Parar depois da combinação em andamento"));
    auto* layout = new QHBoxLayout(p.painel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(p.barra, 1);
    layout->addWidget(p.parar);
    p.painel->hide();
    return p;
}

bool EstadoParada::perguntaSeEmCurso(QWidget* parent, const QString& titulo, const QString& pergunta) {
    if (!emCurso) return false;
    if (askYesNo(parent, titulo, pergunta)) pede();
    return true;
}
