#include "windows/main/form_importacao.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/chart_axis.h"
#include "components/file_filters.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"

TformImportacao* formImportacao = nullptr;

namespace {

const QString kTitulo = QStringLiteral("Importar arquivo de estação");

// Noon of the day, so that no time zone moves a point to the day before.
qreal chartX(TDate d) {
    return static_cast<qreal>(d.dayNumber() * 86400000 + 43200000);
}

QLabel* readout(QWidget* parent, const char* name) {
    QLabel* label = makeLabel(parent, name, QString(), nullptr, LabelKind::OneLine);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

}  // namespace

TformImportacao::TformImportacao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formImportacao"));
    setWindowTitle(kTitulo);
    buildControls();
    connect(RGLacunas, &RadioGroup::clicked, this, [this](int i) { RGLacunasClick(i); });
    connect(BTProcurar, &QPushButton::clicked, this, [this] { BTProcurarClick(); });
    connect(BTOK, &QPushButton::clicked, this, [this] { BTOKClick(); });
    connect(BTCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TformImportacao::buildControls() {
    auto* top = new QVBoxLayout(this);
    LabelFormato = readout(this, "LabelFormato");
    LabelEstacao = readout(this, "LabelEstacao");
    LabelPeriodo = readout(this, "LabelPeriodo");
    for (QLabel* l : {LabelFormato, LabelEstacao, LabelPeriodo}) top->addWidget(l);

    auto* middle = new QHBoxLayout;
    auto* gaps = new QVBoxLayout;
    ListLacunas = new QListWidget(this);
    ListLacunas->setObjectName(QStringLiteral("ListLacunas"));
    ListLacunas->setAccessibleName(QStringLiteral("Lacunas"));
    ListLacunas->setMaximumWidth(300);
    LabelLacunas =
        makeLabel(this, "LabelLacunas", QStringLiteral("&Lacunas"), ListLacunas, LabelKind::OneLine);
    gaps->addWidget(LabelLacunas);
    gaps->addWidget(ListLacunas);
    middle->addLayout(gaps);
    GraficoSerie = new QChartView(this);
    GraficoSerie->setObjectName(QStringLiteral("GraficoSerie"));
    GraficoSerie->setAccessibleName(QStringLiteral("Série diária de chuva, com as lacunas marcadas"));
    GraficoSerie->setMinimumSize(560, 280);
    GraficoSerie->setRenderHint(QPainter::Antialiasing);
    middle->addWidget(GraficoSerie, 1);
    top->addLayout(middle, 1);

    RGLacunas = new RadioGroup(QStringLiteral("Dias sem valor"),
                               {QStringLiteral("&Recusar"), QStringLiteral("&Preencher com 0 mm"),
                                QStringLiteral("&Maior trecho sem lacunas")},
                               this);
    RGLacunas->setObjectName(QStringLiteral("RGLacunas"));
    RGLacunas->setAccessibleName(QStringLiteral("Dias sem valor"));
    RGLacunas->setColumns(3);
    top->addWidget(RGLacunas);
    LabelResultado = readout(this, "LabelResultado");
    LabelResultado->setWordWrap(true);
    top->addWidget(LabelResultado);

    auto* save = new QGridLayout;
    edArquivo = makeEdit(this, "edArquivo", QStringLiteral("Gravar o registro em"));
    edArquivo->setMinimumWidth(420);
    LabelArquivo = makeLabel(this, "LabelArquivo", QStringLiteral("&Gravar o registro em"), edArquivo,
                             LabelKind::OneLine);
    BTProcurar = makeButton(this, "BTProcurar", QStringLiteral("Procurar..."), false);
    BTProcurar->setAccessibleDescription(QStringLiteral("Escolher onde gravar o registro"));
    save->addWidget(LabelArquivo, 0, 0, 1, 2);
    save->addWidget(edArquivo, 1, 0);
    save->addWidget(BTProcurar, 1, 1);
    top->addLayout(save);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BTOK = makeButton(this, "BTOK", QStringLiteral("OK"));
    BTOK->setDefault(true);
    BTCancelar = makeButton(this, "BTCancelar", QStringLiteral("Cancelar"));
    buttons->addWidget(BTOK);
    buttons->addWidget(BTCancelar);
    top->addLayout(buttons);
}

void TformImportacao::mostra(const QString& source, SerieEstacao serie) {
    source_ = source;
    serie_ = std::move(serie);
    gravado_.reset();
    LabelFormato->setText(QStringLiteral("Formato: ") + fromUtf8(formatName(serie_.formato)));
    LabelEstacao->setText(fromUtf8(stationLine(serie_.estacao)));
    LabelPeriodo->setText(fromUtf8(periodLine(serie_, appLocale())));
    ListLacunas->clear();
    for (const Lacuna& g : gapsOf(serie_)) ListLacunas->addItem(fromUtf8(gapLine(g, appLocale())));
    if (ListLacunas->count() == 0) ListLacunas->addItem(QStringLiteral("Nenhuma lacuna"));
    ListLacunas->setCurrentRow(0);
    fillChart();
    edArquivo->setText(fromUtf8(suggestedRecordPath(toUtf8(source))));
    RGLacunas->setItemIndex(-1);
    RGLacunas->setItemIndex(0);
    BTOK->setFocus();
}

// The daily values as a line broken at every gap (a gap never looks like a day of rain or a
// dry day), each missing day as a red mark on the axis.
void TformImportacao::fillChart() {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* lacunas = new QScatterSeries;
    lacunas->setName(QStringLiteral("Lacunas"));
    lacunas->setColor(Qt::red);
    lacunas->setBorderColor(Qt::red);
    lacunas->setMarkerSize(9);
    const QPen pen(QColor(32, 120, 200), 1.5);
    QLineSeries* trecho = nullptr;
    double maximo = 0;
    for (const DiaEstacao& d : serie_.dias) {
        if (d.falta) {
            lacunas->append(chartX(d.data), 0);
            trecho = nullptr;
            continue;
        }
        if (!trecho) {
            trecho = new QLineSeries;
            trecho->setName(QStringLiteral("Chuva diária (mm)"));
            trecho->setPen(pen);
            chart->addSeries(trecho);
        }
        trecho->append(chartX(d.data), d.valor);
        maximo = std::max(maximo, d.valor);
    }
    chart->addSeries(lacunas);
    attachAxes(chart, maximo);
    // One legend entry for the runs of values, one for the gaps.
    const QList<QAbstractSeries*> series = chart->series();
    for (qsizetype i = 1; i + 1 < series.size(); ++i)
        for (QLegendMarker* m : chart->legend()->markers(series[i])) m->setVisible(false);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = GraficoSerie->chart();
    GraficoSerie->setChart(chart);
    delete old;
}

// Dates along the bottom (the day for a span of about a year, the month for longer ones);
// whole millimetres up the side, so that no decimal mark is needed.
void TformImportacao::attachAxes(QChart* chart, double maximo) {
    auto* x = new QDateTimeAxis;
    const qint64 dias = serie_.dias.back().data - serie_.dias.front().data;
    x->setFormat(dias <= 400 ? fromUtf8(appLocale().shortDatePattern) : QStringLiteral("MM/yyyy"));
    x->setTickCount(6);
    x->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(chartX(serie_.dias.front().data))),
                QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(chartX(serie_.dias.back().data))));
    auto* y = new QValueAxis;
    // The charts' own step rule, never below 1 mm.
    const double passo =
        std::max(1.0, computeAxisLimits({0.0, std::nullopt, std::nullopt}, DataExtent{0, maximo}).step);
    y->setRange(0, passo * std::max(1.0, std::ceil(maximo / passo)));
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(passo);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("mm"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

PoliticaLacunas TformImportacao::politica() const {
    switch (RGLacunas->itemIndex()) {
        case 1:
            return PoliticaLacunas::Zerar;
        case 2:
            return PoliticaLacunas::MaisLonga;
        default:
            return PoliticaLacunas::Recusar;
    }
}

// The record the policy makes, or why it makes none.
void TformImportacao::RGLacunasClick(int /*index*/) {
    registro_.reset();
    recusa_.clear();
    try {
        registro_ = buildRecord(serie_, politica(), appLocale());
    } catch (const ImportError& e) {
        recusa_ = QString::fromUtf8(e.what());
        LabelResultado->setText(recusa_);
        return;
    }
    LabelResultado->setText(fromUtf8(recordLine(registro_->relatorio, appLocale())));
}

void TformImportacao::BTProcurarClick() {
    const QString path = ui().saveFileName(this, QStringLiteral("Gravar o registro de precipitação"),
                                           edArquivo->text(), kFiltroPrecipitacao, QStringLiteral("txt"));
    if (!path.isEmpty()) edArquivo->setText(path);
}

// Writes the record; a refusal is told and the window stays, so that another policy or
// another file can be chosen.
void TformImportacao::BTOKClick() {
    if (!registro_) {
        ui().message(this, kTitulo, recusa_, MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    const QString out = edArquivo->text().trimmed();
    if (out.isEmpty()) {
        ui().message(this, kTitulo, QStringLiteral("Informe onde gravar o registro."), MsgIcon::Warning,
                     MsgButtons::Ok);
        edArquivo->setFocus();
        return;
    }
    try {
        writeImportedRecord(toUtf8(source_), toUtf8(out), *registro_);
    } catch (const std::exception& e) {
        ui().message(this, kTitulo, QString::fromUtf8(e.what()), MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    gravado_ = RegistroGravado{QFileInfo(out).absoluteFilePath(), registro_->relatorio.inicio};
    accept();
}

std::optional<RegistroGravado> importarArquivoEstacao(QWidget* parent, const QString& dir) {
    const QString source = ui().openFileName(parent, kTitulo, dir, kFiltroEstacao);
    if (source.isEmpty()) return std::nullopt;
    SerieEstacao serie;
    try {
        serie = readStationSeries(readTextLines(toUtf8(source)), {}, appLocale());
    } catch (const std::exception& e) {
        ui().message(parent, kTitulo, QString::fromUtf8(e.what()), MsgIcon::Warning, MsgButtons::Ok);
        return std::nullopt;
    }
    TformImportacao window(parent);
    window.mostra(source, std::move(serie));
    if (ui().execModal(&window) != QDialog::Accepted) return std::nullopt;
    return window.gravado();
}
