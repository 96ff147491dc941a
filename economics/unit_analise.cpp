#include "economics/unit_analise.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TformAnalise* formAnalise = nullptr;

TformAnalise::TformAnalise(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formAnalise"));
    setWindowTitle(QStringLiteral("Análise Econômica"));
    resize(520, 200);

    // Label11 is placed by hand beside Label10 (the main window moves it when the volume
    // changes), so this window positions its controls without a layout.
    Label9 = new QLabel(QStringLiteral("Volume do reservatório inferior:"), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->move(12, 12);
    Label9->adjustSize();
    Label10 = new QLabel(this);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->move(Label9->x() + Label9->width() + 5, 12);
    Label11 = new QLabel(QStringLiteral("litros"), this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->move(Label10->x() + 5, 12);
    Label11->adjustSize();

    Label1 = new QLabel(QStringLiteral("Período de análise (anos)"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(12, 44);
    Label1->adjustSize();
    edPeriodoAnalise = new QLineEdit(this);
    edPeriodoAnalise->setObjectName(QStringLiteral("edPeriodoAnalise"));
    edPeriodoAnalise->setGeometry(Label1->x() + Label1->width() + 8, 40, 80, 24);
    Label1->setBuddy(edPeriodoAnalise);

    BTCalcular = new QPushButton(QStringLiteral("Calcular"), this);
    BTCalcular->setObjectName(QStringLiteral("BTCalcular"));
    BTCalcular->move(12, 80);

    auto* note = new QLabel(
        QStringLiteral("A análise econômica ainda não está disponível nesta versão do programa."), this);
    note->setObjectName(QStringLiteral("LabelIndisponivel"));
    note->move(12, 120);
    note->adjustSize();
}

TformAnalise::~TformAnalise() = default;

void TformAnalise::simulaCaptAgua() {}

std::vector<std::string> TformAnalise::SalvarAnaliseEcon() {
    return {};
}

void TformAnalise::CarregaAnaliseEcon(const std::vector<std::string>& /*lines*/, std::size_t /*index*/) {}

void TformAnalise::LimparAnaliseEcon() {
    simAnalise.reset();
}
