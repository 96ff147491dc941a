#pragma once
// The controls of the economic analysis windows, built with the shared factories: one-line
// labels, boxes bound to their label, buttons that Enter does not press unless they are the
// default; the lists and check boxes those factories lack; the texts of the boxes as the
// analysis reads them, and the keystroke filters of the analysis's own boxes.

#include <QString>
#include <QStringList>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

QLabel* makeEconLabel(QWidget* parent, const char* name, const QString& caption);
// A box named after its label's text; the label, when given, is its buddy.
QLineEdit* makeEconEdit(QWidget* parent, const char* name, const QString& accessibleName,
                        QLabel* label = nullptr);
QPushButton* makeEconButton(QWidget* parent, const char* name, const QString& caption);
QComboBox* makeEconCombo(QWidget* parent, const char* name, const QString& accessibleName,
                         const QStringList& items);
QCheckBox* makeEconCheck(QWidget* parent, const char* name, const QString& caption);

// A box's text as UTF-8, and back.
std::string textOf(const QLineEdit* edit);
void setTextOf(QLineEdit* edit, const std::string& text);

// Refuses ";" typed into a free-text box: the simulation file separates its fields with it.
void installNoSemicolonFilter(QLineEdit* edit);
