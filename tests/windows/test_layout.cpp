// What a user reads of the windows' captions: every wrapped label of the main window reads
// whole on at most two lines at the default size, nothing is cut at the minimum size (in
// either simulation mode), the results of a run read whole at either size, the window has no
// empty status bar strip, and the axis titles in
// the chart's properties show from their first letter.

#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include "components/chart_view.h"
#include "components/radio_group.h"
#include "tests/windows/window_fixture.h"
#include "windows/main/form_main.h"
#include "windows/results/form_grafico_props.h"

namespace {

// Lines the label's text takes at its present width.
int linesShown(const QLabel* label) {
    const int oneLine = label->heightForWidth(QWIDGETSIZE_MAX);
    const int spacing = label->fontMetrics().lineSpacing();
    return 1 + (label->heightForWidth(label->width()) - oneLine + spacing / 2) / spacing;
}

// The wrapped labels with a caption that the window shows now.
QList<QLabel*> shownCaptions(QWidget* window) {
    QList<QLabel*> shown;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->wordWrap() && !label->text().isEmpty() && label->isVisibleTo(window)) shown << label;
    return shown;
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { fx.finish(); }
    void mainWindowCaptionsReadWhole_data();
    void mainWindowCaptionsReadWhole();
    void resultsReadWholeAtMinimumSize_data();
    void resultsReadWholeAtMinimumSize();
    void noEmptyStatusBar();
    void axisTitlesShowWhole();

  private:
    WindowFixture fx;
};

void TestLayout::mainWindowCaptionsReadWhole_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("minimum");
    QTest::newRow("one volume, default size") << 0 << false;
    QTest::newRow("one volume, minimum size") << 0 << true;
    QTest::newRow("sweep, default size") << 1 << false;
    QTest::newRow("sweep, minimum size") << 1 << true;
}

void TestLayout::mainWindowCaptionsReadWhole() {
    QFETCH(int, mode);
    QFETCH(bool, minimum);
    fx.start("pt_BR");
    formMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(formMain));
    formMain->RGResInf->setItemIndex(mode);
    if (minimum) formMain->resize(formMain->minimumSize().expandedTo(formMain->minimumSizeHint()));
    QTest::qWait(20);

    const QList<QLabel*> labels = shownCaptions(formMain);
    QVERIFY(labels.size() >= 5);
    for (const QLabel* label : labels) {
        const QByteArray what = label->objectName().toUtf8() + ": " + label->text().toUtf8();
        QVERIFY2(label->height() >= label->heightForWidth(label->width()), "cut: " + what);
        QVERIFY2(linesShown(label) <= 2, "more than two lines: " + what);
        const QRect inWindow(label->mapTo(formMain, QPoint(0, 0)), label->size());
        QVERIFY2(formMain->rect().contains(inWindow), "outside the window: " + what);
    }
}

// The results of one volume, shown after a run, at the default and at the minimum size: each
// result label is as tall and as wide as its text needs (the bold savings line is not cut to one
// line's height) and none overlaps the next.
void TestLayout::resultsReadWholeAtMinimumSize_data() {
    QTest::addColumn<bool>("minimum");
    QTest::newRow("default size") << false;
    QTest::newRow("minimum size") << true;
}

void TestLayout::resultsReadWholeAtMinimumSize() {
    QFETCH(bool, minimum);
    fx.start("pt_BR");
    TformMain& w = *formMain;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.RGResInf->setItemIndex(0);
    // The widest texts a run writes.
    w.PanelResultados->show();
    w.Label5->setText(QStringLiteral("Potencial de utilização de água pluvial: 100,00%"));
    w.Label12->setText(QStringLiteral("- Completamente: 100,00%"));
    w.Label14->setText(QStringLiteral("- Parcialmente: 100,00%"));
    w.Label15->setText(QStringLiteral("- Não atende: 100,00%"));
    if (minimum) w.resize(w.minimumSize().expandedTo(w.minimumSizeHint()));
    // The layouts settle on posted events, which a busy machine may not reach in a fixed wait.
    QTRY_VERIFY(w.Label5->width() >= w.Label5->sizeHint().width());

    const QList<QLabel*> labels = {w.Label5, w.Label11, w.Label12, w.Label14, w.Label15};
    for (int i = 0; i < labels.size(); ++i) {
        const QLabel* label = labels[i];
        const QByteArray what = label->objectName().toUtf8() + ": " + label->text().toUtf8();
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(label->height() >= needed, "cut: " + what + " (" + QByteArray::number(label->height()) +
                                                " px for " + QByteArray::number(needed) + ")");
        if (!label->wordWrap())
            QVERIFY2(label->width() >= label->sizeHint().width(), "narrower than its text: " + what);
        const QRect inWindow(label->mapTo(&w, QPoint(0, 0)), label->size());
        QVERIFY2(w.rect().contains(inWindow), "outside the window: " + what);
        if (i + 1 < labels.size())
            QVERIFY2(!label->geometry().intersects(labels[i + 1]->geometry()), "overlaps the next: " + what);
    }
}

void TestLayout::noEmptyStatusBar() {
    fx.start("pt_BR");
    QCOMPARE(formMain->findChild<QStatusBar*>(), nullptr);
}

void TestLayout::axisTitlesShowWhole() {
    fx.start("pt_BR");
    ChartView chart;
    chart.bottomAxis().setTitle(QStringLiteral("Volume do reservatório inferior (litros)"));
    chart.leftAxis().setTitle(QStringLiteral("Potencial de economia de água potável (%)"));
    formGraficoProps->defineChart(&chart);
    formGraficoProps->show();
    QVERIFY(QTest::qWaitForWindowExposed(formGraficoProps));
    for (QLineEdit* axis : {formGraficoProps->EdEixoX, formGraficoProps->EdEixoY}) {
        // The text area Qt's line edit paints in: its contents less 2 pixels each side and the
        // cursor.
        QStyleOptionFrame option;
        option.initFrom(axis);
        const QRect contents = axis->style()->subElementRect(QStyle::SE_LineEditContents, &option, axis);
        const int room = contents.width() - 4 - 1 - axis->textMargins().left() - axis->textMargins().right();
        const int textWidth = axis->fontMetrics().horizontalAdvance(axis->text());
        QVERIFY2(room >= textWidth, qPrintable(axis->objectName() + QStringLiteral(": ") + axis->text()));
    }
    formGraficoProps->defineChart(nullptr);
    formGraficoProps->hide();
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
