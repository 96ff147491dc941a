#include "windows/scenarios/progress_panel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QWidget>

std::pair<QWidget*, QProgressBar*> makePainelProgresso(QWidget* parent, const QString& accessibleName) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("PanelProgressBar"));
    auto* bar = new QProgressBar(panel);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setAccessibleName(accessibleName);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    panel->hide();
    return {panel, bar};
}
