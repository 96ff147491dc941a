#include "windows/main/form_sobre.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/version.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"

TformSobre* formSobre = nullptr;

TformSobre::TformSobre(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formSobre"));
    setWindowTitle(QStringLiteral("Sobre"));

    Label1 = makeLabel(this, "Label1", QStringLiteral("O programa Vespra 4 foi desenvolvido por:"), nullptr,
                       LabelKind::OneLine);
    Label2 = makeLabel(this, "Label2", QStringLiteral("Equipe Vespra"), nullptr, LabelKind::Bold);
    Label3 = makeLabel(this, "Label3", QStringLiteral("(criação e programação)"), nullptr, LabelKind::Bold);
    Label4 =
        makeLabel(this, "Label4", QString::fromStdString(programVersionText()), nullptr, LabelKind::OneLine);
    Button1 = makeButton(this, "Button1", QStringLiteral("OK"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(8);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addSpacing(8);
    layout->addWidget(Label4);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // fixed dialog border
}

void exibeAjuda(QWidget* parent) {
    showInformation(
        parent, QStringLiteral("Manual Vespra 4"),
        QStringLiteral("O guia do usuário do Vespra 4 está em docs/guia/README.md, distribuído com o "
                       "programa (no pacote Debian, em /usr/share/doc/vespra/docs/guia); as verificações "
                       "dos resultados estão em docs/VALIDATION.md."));
}
