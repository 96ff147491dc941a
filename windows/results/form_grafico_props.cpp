#include "windows/results/form_grafico_props.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "engine/capt_agua.h"

TformGraficoProps* formGraficoProps = nullptr;

namespace {

const QString kLabelMaxEixoY = QStringLiteral("Valor máximo do eixo y");

QLineEdit* addEdit(QFormLayout* form, QWidget* parent, const char* name, const QString& caption) {
    QLineEdit* edit = makeEdit(parent, name, caption);
    // Room for an axis title such as "Potencial de economia de água potável (%)".
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 44);
    form->addRow(caption, edit);  // the row's label is the box's buddy
    return edit;
}

// Widens a box (the dialog follows) until its whole text shows, so that an axis title is read
// from its first letter.
void showWholeText(QLineEdit* edit) {
    // The text, the box's inner margins and the cursor, with a character to spare.
    const int text = edit->fontMetrics().horizontalAdvance(edit->text()) + edit->textMargins().left() +
                     edit->textMargins().right() + 2 * edit->fontMetrics().averageCharWidth();
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QSize needed = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, 0), edit);
    if (needed.width() > edit->minimumWidth()) edit->setMinimumWidth(needed.width());
}

// The items of CBEstiloMarcador, in order.
constexpr MarkerStyle kMarkerStyles[] = {MarkerStyle::Square, MarkerStyle::Circle, MarkerStyle::Triangle,
                                         MarkerStyle::SmallDot};

}  // namespace

TformGraficoProps::TformGraficoProps(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGraficoProps"));
    setWindowTitle(QStringLiteral("Propriedades do gráfico"));

    auto* form = new QFormLayout;
    EdTitulo = addEdit(form, this, "EdTitulo", QStringLiteral("Título"));
    EdEixoX = addEdit(form, this, "EdEixoX", QStringLiteral("Eixo X"));
    EdEixoY = addEdit(form, this, "EdEixoY", QStringLiteral("Eixo Y"));
    CBEstiloMarcador = new QComboBox(this);
    CBEstiloMarcador->setObjectName(QStringLiteral("CBEstiloMarcador"));
    CBEstiloMarcador->addItems({QStringLiteral("Quadrado"), QStringLiteral("Círculo"),
                                QStringLiteral("Triângulo"), QStringLiteral("Sem marcador")});
    form->addRow(QStringLiteral("Estilo do marcador"), CBEstiloMarcador);
    EdMaxEixoY = addEdit(form, this, "EdMaxEixoY", kLabelMaxEixoY);
    installDecimalKeyFilter(EdMaxEixoY);

    GBModificarCor = makeGroup(this, "GBModificarCor", QStringLiteral("Modificar Cor"));
    BTCorLinha = makeButton(GBModificarCor, "BTCorLinha", QStringLiteral("Linha"), false);
    BTCorMarc = makeButton(GBModificarCor, "BTCorMarc", QStringLiteral("Marcadores"), false);
    BTCorLinha->setAccessibleDescription(QStringLiteral("Escolher a cor da linha"));
    BTCorMarc->setAccessibleDescription(QStringLiteral("Escolher a cor dos marcadores"));
    auto* colours = new QHBoxLayout(GBModificarCor);
    colours->addWidget(BTCorLinha);
    colours->addWidget(BTCorMarc);

    BTConcluir = makeButton(this, "BTConcluir", QStringLiteral("Concluir"), false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BTConcluir);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(GBModificarCor);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The title follows the box as the user types (and when the program empties it).
    connect(EdTitulo, &QLineEdit::textChanged, this, [this] { EdTituloChange(); });
    connect(CBEstiloMarcador, &QComboBox::currentIndexChanged, this, [this] { CBEstiloMarcadorChange(); });
    connect(BTCorLinha, &QPushButton::clicked, this, [this] { BTCorLinhaClick(); });
    connect(BTCorMarc, &QPushButton::clicked, this, [this] { BTCorMarcClick(); });
    connect(BTConcluir, &QPushButton::clicked, this, [this] { BTConcluirClick(); });
}

int TformGraficoProps::markerItem(MarkerStyle style) {
    for (int i = 0; i < static_cast<int>(std::size(kMarkerStyles)); ++i) {
        if (kMarkerStyles[i] == style) return i;
    }
    return static_cast<int>(std::size(kMarkerStyles)) - 1;  // "Sem marcador"
}

MarkerStyle TformGraficoProps::markerStyleOf(int item) {
    if (item < 0 || item >= static_cast<int>(std::size(kMarkerStyles))) return MarkerStyle::SmallDot;
    return kMarkerStyles[item];
}

void TformGraficoProps::defineSeries(ChartSeries* serie) {
    SeriesSim = serie;
    if (serie && serie->view()) chart_ = serie->view();
}

void TformGraficoProps::FormShow() {
    if (chart_) {
        EdEixoX->setText(chart_->bottomAxis().title());
        EdEixoY->setText(chart_->leftAxis().title());
        for (QLineEdit* axis : {EdEixoX, EdEixoY}) showWholeText(axis);
    }
    if (SeriesSim) CBEstiloMarcador->setCurrentIndex(markerItem(SeriesSim->markerStyle()));
}

void TformGraficoProps::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TformGraficoProps::EdTituloChange() {
    if (!chart_) return;
    const QString title = EdTitulo->text();
    if (title.isEmpty()) {
        chart_->setTitleVisible(false);
        return;
    }
    chart_->setTitle(title);
    chart_->setTitleVisible(true);
}

void TformGraficoProps::CBEstiloMarcadorChange() {
    if (!SeriesSim || CBEstiloMarcador->currentIndex() < 0) return;
    SeriesSim->setMarkerStyle(markerStyleOf(CBEstiloMarcador->currentIndex()));
}

void TformGraficoProps::BTCorLinhaClick() {
    if (!SeriesSim) return;
    const std::optional<QColor> chosen = ui().colour(this, SeriesSim->colour());
    // The series may have gone while the dialog was open.
    if (chosen && SeriesSim) SeriesSim->setColour(*chosen);
}

void TformGraficoProps::BTCorMarcClick() {
    if (!SeriesSim || !simCurrent) return;
    const std::optional<QColor> chosen = ui().colour(this, SeriesSim->colour());
    if (!chosen || !SeriesSim) return;
    // The points go on top of the earlier ones, in the chosen colour; the ideal volume's on
    // top of them all, in black again.
    QList<ChartPoint> points;
    const auto& members = simCurrent->vecCaptAgua;
    for (std::size_t i = 0; i < members.size(); ++i) {
        points.append({static_cast<double>(i) * simCurrent->interval, members[i]->dblEconPot, *chosen});
    }
    if (const TCaptAgua* t = simCurrent->idealMember())
        points.append({t->dblResInf, t->dblEconPot, QColor(Qt::black)});
    SeriesSim->addPoints(points);
}

void TformGraficoProps::BTConcluirClick() {
    const QString text = EdMaxEixoY->text().trimmed();
    if (text.isEmpty()) return;
    double maximum = 0;
    try {
        maximum = readField(EdMaxEixoY, kLabelMaxEixoY);
    } catch (const ConversionError& error) {
        // Only pasted text gets past the key filter this way.
        showConversionError(this, error);
        return;
    }
    if (maximum > 100) {
        ui().message(this, QStringLiteral("Erro"),
                     QStringLiteral("O potencial de utilização de água pluvial não pode ser maior que 100%. "
                                    "Defina outro valor para o campo \"") +
                         kLabelMaxEixoY + u'"',
                     MsgIcon::Information, MsgButtons::Ok);
        EdMaxEixoY->clear();
        EdMaxEixoY->setFocus();
        return;
    }
    if (chart_) {
        chart_->bottomAxis().setTitle(EdEixoX->text());
        chart_->leftAxis().setTitle(EdEixoY->text());
        chart_->leftAxis().setRange(0, maximum);
    }
    accept();
}
