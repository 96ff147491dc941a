#include "windows/economics/form_volume_inf_analise.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "components/key_filters.h"
#include "components/number_texts.h"
#include "windows/economics/economics_links.h"

TformVolumeInfAnalise* formVolumeInfAnalise = nullptr;

TformVolumeInfAnalise::TformVolumeInfAnalise(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formVolumeInfAnalise"));
    setWindowTitle(QStringLiteral("Reservatório inferior"));

    Label1 = new QLabel(QStringLiteral("Digite o volume para o reservatório inferior"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("que será utilizado na análise econômica"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    EdVolAnalise = new QLineEdit(this);
    EdVolAnalise->setObjectName(QStringLiteral("EdVolAnalise"));
    installDecimalKeyFilter(EdVolAnalise);
    EdVolAnalise->setAccessibleName(Label1->text() + QLatin1Char(' ') + Label2->text() +
                                    QStringLiteral(" (litros)"));
    Label3 = new QLabel(QStringLiteral("litros"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    BTConcluir = new QPushButton(QStringLiteral("Concluir"), this);
    BTConcluir->setObjectName(QStringLiteral("BTConcluir"));
    BTConcluir->setDefault(true);
    BTConcluir->setEnabled(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label2, 1, 0, 1, 2);
    grid->addWidget(EdVolAnalise, 2, 0);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(BTConcluir, 3, 0, 1, 2, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(EdVolAnalise, &QLineEdit::textChanged, this, [this] { EdVolAnaliseChange(); });
    connect(BTConcluir, &QPushButton::clicked, this, [this] { BTConcluirClick(); });
}

void TformVolumeInfAnalise::showEvent(QShowEvent* event) {
    EdVolAnalise->clear();
    EdVolAnalise->setFocus();
    QDialog::showEvent(event);
}

void TformVolumeInfAnalise::EdVolAnaliseChange() {
    BTConcluir->setEnabled(!EdVolAnalise->text().isEmpty());
}

// A volume that does not read is named with its box, which keeps the focus; the analysis keeps
// its volume.
void TformVolumeInfAnalise::BTConcluirClick() {
    if (!fieldsRead(this, {EdVolAnalise})) return;
    defineVolumeAnalise(EdVolAnalise->text());
    accept();
}
