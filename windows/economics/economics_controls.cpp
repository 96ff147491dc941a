#include "windows/economics/economics_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "components/app_locale.h"
#include "components/window_controls.h"

QLabel* makeEconLabel(QWidget* parent, const char* name, const QString& caption) {
    return makeLabel(parent, name, caption, nullptr, LabelKind::OneLine);
}

QLineEdit* makeEconEdit(QWidget* parent, const char* name, const QString& accessibleName, QLabel* label) {
    QLineEdit* edit = makeEdit(parent, name, accessibleName);
    if (label) label->setBuddy(edit);
    return edit;
}

QPushButton* makeEconButton(QWidget* parent, const char* name, const QString& caption) {
    return makeButton(parent, name, caption, false);
}

QComboBox* makeEconCombo(QWidget* parent, const char* name, const QString& accessibleName,
                         const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(accessibleName);
    combo->addItems(items);
    return combo;
}

QCheckBox* makeEconCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QLatin1String(name));
    check->setAccessibleName(caption);
    return check;
}

std::string textOf(const QLineEdit* edit) {
    return toUtf8(edit->text());
}

void setTextOf(QLineEdit* edit, const std::string& text) {
    edit->setText(fromUtf8(text));
}

namespace {

class NoSemicolonFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->text().contains(QLatin1Char(';'))) {
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void installNoSemicolonFilter(QLineEdit* edit) {
    edit->installEventFilter(new NoSemicolonFilter(edit));
}
