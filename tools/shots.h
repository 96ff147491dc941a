#pragma once
// What the screenshot tool's steps share: the folder the images go to, the seam that answers
// the program's dialogs, and the grab of a window once it has been painted.

#include <QDialog>
#include <QString>
#include <functional>

#include "tests/windows/fake_ui.h"

class QComboBox;
class QWidget;

struct Shots {
    QString dir;  // where the PNG files go
    FakeUi& ui;
    int status = 0;  // 1 once an image could not be written or a dialog went unanswered

    // Lets pending events run for `ms` milliseconds, so that charts and layouts settle.
    static void settle(int ms = 300);
    // The absolute path of a file of examples/ (the tool runs from the project root).
    static QString example(const QString& name);

    // Grabs the window as it is painted now into dir/name.
    void save(QWidget* window, const QString& name);
    // Shows the window, lets it settle, grabs it.
    void show(QWidget* window, const QString& name);
    // Announces the modal window `objectName`: when the program opens it, `fill` plays the
    // user, the window is grabbed into dir/name and closed with `result`.
    void expectModalShot(const QString& objectName, const QString& name, int result = QDialog::Rejected,
                         std::function<void(QDialog*)> fill = {});
    // A line on stderr: the figures a window shows, to be quoted in the guide.
    static void report(const QString& what, const QString& text);
};

// Chooses the item of a drop-down list as a user does (the choice's reaction runs).
void chooseItem(QComboBox* box, int index);
// The index of the first item that starts with `start`, or -1.
int itemStartingWith(const QComboBox* box, const QString& start);

// The steps, in the order the guide follows.
void shootMainWindow(Shots& shots);
void shootEconomics(Shots& shots);
void shootScenarios(Shots& shots);
