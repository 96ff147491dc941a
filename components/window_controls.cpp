#include "components/window_controls.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QWidget* buddy, LabelKind kind) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    if (buddy) label->setBuddy(buddy);
    if (kind == LabelKind::Wrapped) {
        label->setWordWrap(true);
        return label;
    }
    label->setTextFormat(Qt::PlainText);
    if (kind == LabelKind::Bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

LabelledEdit makeLabelledEdit(QWidget* parent, const char* labelName, const char* editName,
                              const QString& caption, const QString& accessibleName, LabelKind kind) {
    QLineEdit* edit = makeEdit(parent, editName, accessibleName.isEmpty() ? caption : accessibleName);
    return {makeLabel(parent, labelName, caption, edit, kind), edit};
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, bool autoDefault) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    if (!autoDefault) button->setAutoDefault(false);
    return button;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    return group;
}
