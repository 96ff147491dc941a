#pragma once
// What a screen reader announces of a window: the controls a user reaches and acts on (boxes,
// lists, check boxes, options and their groups, buttons, tables, charts, menu items) must each
// have a name. tools/atspi_tree.py applies the same rule to the running program.

#include <QAccessible>
#include <QStringList>

class QWidget;

// The kind of control a role is, as the check reports it ("caixa de texto", "botão", …), or
// null for roles that are not controls a user acts on (labels, panels, cells).
const char* controlKind(QAccessible::Role role);

// The controls of a window that assistive technology finds, hidden ones included, and those
// of them without a name, each as its path of object names, its class and its kind.
struct AccessibleControls {
    QStringList named;
    QStringList unnamed;
};
AccessibleControls accessibleControls(QWidget* window);
