#include "components/window_controls.h"

#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

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

namespace {

// The narrowest width at which the label's text needs no more than `lines` lines.
int widthForLines(const QLabel* label, int lines) {
    const int oneLine = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin() + 4;
    const int target = label->heightForWidth(oneLine) + (lines - 1) * label->fontMetrics().lineSpacing();
    int low = 1, high = oneLine;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (label->heightForWidth(mid) <= target)
            high = mid;
        else
            low = mid + 1;
    }
    return high;
}

}  // namespace

void keepWrappedLabelsWhole(QWidget* window, int lines) {
    // A wrapped label is never narrower than its text needs for `lines` lines, and never
    // shorter than its text at that width: the layouts then keep every caption whole, at the
    // default size as at the minimum size.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->wordWrap() || label->text().isEmpty()) continue;
        const int width = std::max(label->minimumWidth(), widthForLines(label, lines));
        label->setMinimumWidth(width);
        label->setMinimumHeight(label->heightForWidth(width));
    }
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
