#include "radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), layout_(new QVBoxLayout(this)) {
    for (const QString& item : items) addItem(item);
}

void RadioGroup::addItem(const QString& text) {
    auto* button = new QRadioButton(text, this);
    // Exclusion is kept by hand so that the choice can also be cleared (itemIndex -1).
    button->setAutoExclusive(false);
    const int index = count();
    buttons_.push_back(button);
    layout_->addWidget(button);
    connect(button, &QRadioButton::toggled, this,
            [this, index](bool checked) { onButtonToggled(index, checked); });
}

QString RadioGroup::itemText(int index) const {
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)]->text() : QString();
}

QRadioButton* RadioGroup::button(int index) const {
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void RadioGroup::setItemIndex(int index) {
    if (index < 0) index = -1;
    if (index >= count()) index = count() - 1;
    if (index == itemIndex_) return;
    settingFromProgram_ = true;
    if (index < 0) {
        const int old = itemIndex_;
        itemIndex_ = -1;
        if (QRadioButton* b = button(old)) b->setChecked(false);
    } else {
        buttons_[static_cast<std::size_t>(index)]->setChecked(true);  // reaction in onButtonToggled
    }
    settingFromProgram_ = false;
}

void RadioGroup::onButtonToggled(int index, bool checked) {
    if (!checked) {
        // A click on the chosen option would uncheck it: an option stays chosen until
        // another one is (or the program clears the choice).
        if (index == itemIndex_ && !settingFromProgram_) {
            const QSignalBlocker block(buttons_[static_cast<std::size_t>(index)]);
            buttons_[static_cast<std::size_t>(index)]->setChecked(true);
        }
        return;
    }
    const int old = itemIndex_;
    itemIndex_ = index;
    if (QRadioButton* b = button(old)) {
        const QSignalBlocker block(b);
        b->setChecked(false);
    }
    emit clicked(index);
}
