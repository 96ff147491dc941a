#include "scenarios/unitSimCenarios.h"

#include <QLabel>
#include <QVBoxLayout>

TformSimCenarios* formSimCenarios = nullptr;

TformSimCenarios::TformSimCenarios(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formSimCenarios"));
    setWindowTitle(QStringLiteral("Simulação de Cenários"));
    auto* note = new QLabel(
        QStringLiteral("A simulação de cenários ainda não está disponível nesta versão do programa."), this);
    note->setObjectName(QStringLiteral("LabelIndisponivel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
}
