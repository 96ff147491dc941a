#include "components/radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), layout_(new QVBoxLayout(this)) {
    for (const QString& item : items) addItem(item);
}

void RadioGroup::addItem(const QString& text) {
    // Exclusive like any radio group (screen readers then name the items radio buttons); the
    // choice is cleared by lifting the exclusion for a moment (itemIndex -1).
    auto* button = new QRadioButton(text, this);
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
    if (index < 0) {
        const int old = itemIndex_;
        itemIndex_ = -1;
        if (QRadioButton* b = button(old)) {
            b->setAutoExclusive(false);
            b->setChecked(false);
            b->setAutoExclusive(true);
        }
    } else {
        buttons_[static_cast<std::size_t>(index)]->setChecked(true);  // reaction in onButtonToggled
    }
}

void RadioGroup::onButtonToggled(int index, bool checked) {
    // The exclusive buttons uncheck the former choice themselves; only the new one reacts.
    if (!checked || index == itemIndex_) return;
    itemIndex_ = index;
    emit clicked(index);
}
