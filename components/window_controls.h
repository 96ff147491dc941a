#pragma once
// The control factories of the windows: each control gets its objectName (the name tests and
// the other windows find it by) and what assistive technology reads of it.

#include <QString>
#include <utility>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// An edit box read aloud as `accessibleName`.
QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& accessibleName);
// Wrapped: long captions go on to further lines (the labels of boxes); OneLine: one line of
// plain text; Bold: one bold line of plain text (results, readouts).
enum class LabelKind { Wrapped, OneLine, Bold };
// A label, bound to its box (its buddy) when given, so that assistive technology reads them
// together.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QWidget* buddy = nullptr,
                  LabelKind kind = LabelKind::Wrapped);
// Keeps every wrapped label of a window whole: each reads on at most `lines` lines and is
// never cut, whatever size the window is given. Call once the window's controls are built.
void keepWrappedLabelsWhole(QWidget* window, int lines);
// A labelled edit: the label (first) bound to its box (second), the box read aloud as the
// caption unless another accessible name is given.
using LabelledEdit = std::pair<QLabel*, QLineEdit*>;
LabelledEdit makeLabelledEdit(QWidget* parent, const char* labelName, const char* editName,
                              const QString& caption, const QString& accessibleName = QString(),
                              LabelKind kind = LabelKind::Wrapped);
// A button named by its caption. `autoDefault` false keeps Enter from pressing it when it has
// the focus inside a dialog.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, bool autoDefault = true);
// A group box with its title.
QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title);
