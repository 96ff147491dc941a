#include "unit_grafico_props.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

TformGraficoProps* formGraficoProps = nullptr;

namespace {

QLineEdit* addEdit(QFormLayout* form, QWidget* parent, const char* name, const QString& caption) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(caption, edit);  // the row's label is the box's buddy
    return edit;
}

}  // namespace

TformGraficoProps::TformGraficoProps(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGraficoProps"));
    setWindowTitle(QStringLiteral("Propriedades do gráfico"));

    auto* form = new QFormLayout(this);
    EdTitulo = addEdit(form, this, "EdTitulo", QStringLiteral("Título"));
    EdEixoX = addEdit(form, this, "EdEixoX", QStringLiteral("Eixo X"));
    EdEixoY = addEdit(form, this, "EdEixoY", QStringLiteral("Eixo Y"));
    CBEstiloMarcador = new QComboBox(this);
    CBEstiloMarcador->setObjectName(QStringLiteral("CBEstiloMarcador"));
    CBEstiloMarcador->addItems({QStringLiteral("Quadrado"), QStringLiteral("Círculo"),
                                QStringLiteral("Triângulo"), QStringLiteral("Sem marcador")});
    form->addRow(QStringLiteral("Estilo do marcador"), CBEstiloMarcador);
    EdMaxEixoY = addEdit(form, this, "EdMaxEixoY", QStringLiteral("Valor máximo do eixo y"));
    form->setSizeConstraint(QLayout::SetFixedSize);
}
