#pragma once
// The planted write failures (tests/support/planted_failures.h) as rows of a Qt Test table.

#include <QTest>
#include <iterator>

#include "tests/support/planted_failures.h"
#include "tests/windows/fake_ui.h"

// In a _data function: one row per planted failure.
inline void addPlantedFailureRows() {
    QTest::addColumn<int>("failure");
    for (int i = 0; i < static_cast<int>(std::size(kPlantedFailures)); ++i)
        QTest::newRow(kPlantedFailures[i].name) << i;
}

// In the test function: the row's failure.
inline const PlantedFailure& plantedFailure() {
    QFETCH(int, failure);
    return kPlantedFailures[failure];
}

// After a write the failure stopped: the last message is the error, naming the file and the
// reason, and the scratch folder holds what it held before (nothing replaced, nothing beside).
inline void verifyRefusedWrite(const FakeUi& ui, const PlantedFailure& failure, const std::string& path,
                               const TempDir& dir, const std::map<std::string, std::string>& before) {
    QVERIFY(!ui.shown().empty());
    const FakeUi::Shown& shown = ui.shown().back();
    QCOMPARE(shown.kind, QStringLiteral("message"));
    QCOMPARE(shown.icon, MsgIcon::Error);
    QVERIFY2(shown.text.contains(QString::fromStdString(path)), qPrintable(shown.text));
    QVERIFY2(shown.text.contains(QString::fromUtf8(failure.reason)), qPrintable(shown.text));
    QVERIFY(snapshot(dir.file("")) == before);
    QCOMPARE(leftoversBesideDevice(), 0);
}
