#pragma once
// What every window test shares: the locale of the test (never the machine's), the fake
// dialog seam, and the program's windows created afresh for each test.

#include <QString>
#include <QTest>

#include "tests/windows/fake_ui.h"

class WindowFixture {
  public:
    // Sets the locale ("pt_BR", "en_US"), installs the fake seam and creates the windows.
    void start(const char* locale);
    // Deletes the windows, restores the seam and fails the running test on any dialog
    // that was not announced or was announced and never shown. Call from cleanup().
    void finish();

    FakeUi ui;

  private:
    bool started_ = false;
};

// Finds a control by its objectName and fails the test when there is none.
#define FIND_CONTROL(var, Type, parent, name)                     \
    Type* var = (parent)->findChild<Type*>(QStringLiteral(name)); \
    QVERIFY2(var != nullptr, "control " name " of type " #Type " not found")
